#include "LoginKivo.h"

TfrloginKivo::TfrloginKivo() {
  Edit1.Label = "Código da Empresa";
  Edit1.MaxLength = 3;
  Edit1.NumbersOnly = true;
  Edit2.Label = "Usuario";
  Edit3.Label = "Senha";
  Edit3.PasswordChar = '*';
  btnOK.Caption = "&OK";
  btnCancelar.Caption = "&Cancelar";
}

void TfrloginKivo::SetCodigoEmpresa(const std::string& text) {
  std::string digits;
  for (char c : text)
    if (c >= '0' && c <= '9' && digits.size() < 3) digits += c;
  Edit1.Text = digits;
}

void TfrloginKivo::btnOKClick() {
  if (Edit1.Text.empty()) throw std::runtime_error("CÓDIGO DA EMPRESA EM BRANCO");
  if (Edit2.Text.empty()) throw std::runtime_error("LOGIN EM BRANCO");
  if (Edit3.Text.empty()) throw std::runtime_error("SENHA EM BRANCO");
  ModalResult = Resultado::OK;
}
