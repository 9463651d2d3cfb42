#pragma once
// UTF-8 text helpers that count characters (code points), never bytes, and the conversions
// between the in-memory UTF-8 text and the Windows-1252 bytes of the output file.
#include <string>
#include <string_view>

size_t Utf8Length(std::string_view s);
// The first `count` characters of `s` (all of it when shorter).
std::string Utf8Left(std::string_view s, size_t count);
// Removes leading and trailing characters with code 32 or below.
std::string TrimControl(std::string_view s);
std::string_view TrimControlView(std::string_view s);
// ASCII letters to upper case; every other character unchanged.
std::string UpperAscii(std::string_view s);
// Every character Windows-1252 cannot represent becomes "?"; invalid UTF-8 bytes as well.
void AppendWindows1252(std::string& out, std::string_view utf8);
std::string ToWindows1252(std::string_view utf8);
std::string FromWindows1252(std::string_view bytes);
std::string ReplaceAll(std::string s, std::string_view from, std::string_view to);
