#include "inistore/ini_strings.h"

#include <cctype>
#include <climits>

bool IsIniWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string StrDupWithoutSurrWhiteSpace(const std::string &text)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsIniWhiteSpace(text[begin]))
        ++begin;
    while (end > begin && IsIniWhiteSpace(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

static int LowerByte(char c)
{
    return std::tolower(static_cast<unsigned char>(c));
}

int StrICmpWithoutSurrWhiteSpace(const std::string &a, const std::string &b)
{
    const std::string left = StrDupWithoutSurrWhiteSpace(a);
    const std::string right = StrDupWithoutSurrWhiteSpace(b);
    const size_t common = left.size() < right.size() ? left.size() : right.size();
    for (size_t i = 0; i < common; ++i) {
        const int diff = LowerByte(left[i]) - LowerByte(right[i]);
        if (diff != 0)
            return diff;
    }
    if (left.size() == right.size())
        return 0;
    return left.size() < right.size() ? -1 : 1;
}

static bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool StrToInt(const std::string &text, int *value)
{
    const std::string number = StrDupWithoutSurrWhiteSpace(text);
    size_t pos = 0;
    bool negative = false;
    if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
        negative = number[pos] == '-';
        ++pos;
    }
    if (pos == number.size())
        return false;
    // The magnitude may reach INT_MAX + 1 (for INT_MIN) and no further, so nothing overflows.
    long long magnitude = 0;
    for (; pos < number.size(); ++pos) {
        if (!IsDigit(number[pos]))
            return false;
        magnitude = magnitude * 10 + (number[pos] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    if (!negative && magnitude > INT_MAX)
        return false;
    *value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

void StringCopyMax(char *dest, const std::string &src, size_t size)
{
    if (size == 0)
        return;
    const size_t count = src.size() < size - 1 ? src.size() : size - 1;
    src.copy(dest, count);
    dest[count] = '\0';
}
