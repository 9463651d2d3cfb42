#pragma once
// The login dialog's logic: company code, user and password, with the checks of its OK button.
#include <stdexcept>
#include <string>

#include "Controls.h"

class TfrloginKivo {
public:
  TfrloginKivo();

  std::string Caption = "Login Kivo";
  TEdit Edit1;  // company code
  TEdit Edit2;  // user
  TEdit Edit3;  // password
  TButton btnOK, btnCancelar;

  enum class Resultado { Nenhum, OK, Cancelar };
  Resultado ModalResult = Resultado::Nenhum;

  // Typing into the company code keeps only digits, at most three.
  void SetCodigoEmpresa(const std::string& text);
  // Throws std::runtime_error with the message to show when a field is empty; the dialog stays.
  void btnOKClick();
  void btnCancelarClick() { ModalResult = Resultado::Cancelar; }
};
