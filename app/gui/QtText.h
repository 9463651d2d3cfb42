#pragma once
// Conversions between the core's UTF-8 texts and Qt, and the program's message box.
#include <QString>
#include <string>

class QWidget;

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

// Title of the program's message boxes.
inline constexpr const char* kTituloMensagens = "VudiROZAZEZAV";

// A modal information box over `parent`.
void MostraMensagem(QWidget* parent, const std::string& text);
// A modal error box over `parent`: what a failed action reports.
void MostraErro(QWidget* parent, const std::string& text);
