#pragma once
// A scripted window host: answers the login dialog with the given fields and records what the
// core asked the window to show.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "LoginKivo.h"
#include "WindowHost.h"

class FakeHost : public IWindowHost {
public:
  // Login answer: the three fields, and whether OK (true) or Cancel is pressed.
  std::string empresa = "001", usuario = "operador", senha = "kivo123";
  bool loginOk = true;
  std::vector<std::string> loginErrors;  // messages of the OK button while a field was empty

  std::vector<std::string> messages;
  std::vector<std::string> captions;
  std::vector<std::string> inputBoxes;   // the value each input box was shown with
  int processMessages = 0;
  bool closed = false;
  std::function<void()> onProcessMessages;

  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::optional<std::string> InputBox(const std::string&, const std::string&, const std::string& value) override {
    inputBoxes.push_back(value);
    return value;
  }
  bool RunLogin(TfrloginKivo& dialog) override {
    if (!loginOk) {
      dialog.btnCancelarClick();
      return false;
    }
    dialog.SetCodigoEmpresa(empresa);
    dialog.Edit2.Text = usuario;
    dialog.Edit3.Text = senha;
    try {
      dialog.btnOKClick();
    } catch (const std::exception& e) {
      loginErrors.push_back(e.what());
      return false;
    }
    return true;
  }
  void SetCaption(const std::string& caption) override { captions.push_back(caption); }
  void ProcessMessages() override {
    ++processMessages;
    if (onProcessMessages) onProcessMessages();
  }
  void Close() override { closed = true; }
  void ControlsChanged() override {}
};
