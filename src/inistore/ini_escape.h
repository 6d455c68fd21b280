#pragma once
// The escaping of string values: what a string put stores and a string get undoes.
//   tab \t, line feed \n, carriage return \r, double quote \", backslash \\,
//   any other control character \x and two lower-case hex digits.
// Bytes above 0x7F (multi-byte characters) pass unchanged.

#include <string>

std::string EscapeIniValue(const char *text);
// \n, \r, \t and \x with two hex digits are turned back; a backslash before any other
// character stands for that character; a lone backslash at the end is kept.
std::string UnescapeIniValue(const std::string &stored);
