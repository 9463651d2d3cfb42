#pragma once
// What only a real window can do, as the core asks for it. The desktop program implements it
// with widgets, the command-line program with the terminal, tests with a scripted fake.
#include <optional>
#include <string>

class TfrloginKivo;
class TfrQuery;

class IWindowHost {
public:
  virtual ~IWindowHost() = default;
  virtual void ShowMessage(const std::string& text) = 0;
  // The text typed, or nothing when the operator cancelled.
  virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                              const std::string& value) = 0;
  // Shows the login dialog modally; true when it closed with OK.
  virtual bool RunLogin(TfrloginKivo& dialog) = 0;
  // Shows the SQL console modally until the operator closes it. A host without windows (the
  // command line) has no console.
  virtual void RunQueryWindow(TfrQuery& /*window*/) {}
  virtual void SetCaption(const std::string& caption) = 0;
  // Lets the window repaint and take pending events during a long step.
  virtual void ProcessMessages() = 0;
  virtual void Close() = 0;
  // Control states or texts changed: the view mirrors them again.
  virtual void ControlsChanged() = 0;
};
