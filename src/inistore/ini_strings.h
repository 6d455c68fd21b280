#pragma once
// Name and number helpers of the INI store: white space trimming, case-insensitive
// comparison, strict integer parsing and bounded copies.

#include <cstddef>
#include <string>

// Blank, tab, line feed, vertical tab, form feed, carriage return; independent of locale.
bool IsIniWhiteSpace(char c);

std::string StrDupWithoutSurrWhiteSpace(const std::string &text);

// Compares two names without surrounding white space and without regard to letter case:
// < 0, 0 or > 0 like strcmp.
int StrICmpWithoutSurrWhiteSpace(const std::string &a, const std::string &b);

// Decimal 32-bit integer: optional white space, at most one sign directly before the
// digits, digits, optional white space. False for anything else or a value out of range.
bool StrToInt(const std::string &text, int *value);

// Copies at most size - 1 characters and a terminating zero; nothing when size is 0.
void StringCopyMax(char *dest, const std::string &src, size_t size);
