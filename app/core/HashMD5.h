#pragma once
// MD5 digest (RFC 1321) of a text as upper-case hexadecimal digits; the login compares its
// lower-case form.
#include <string>

std::string HashMD5(const std::string& text);
