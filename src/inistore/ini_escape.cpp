#include "inistore/ini_escape.h"

#include <cstdio>

static bool IsControlByte(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

static void AppendEscaped(std::string *out, unsigned char c)
{
    switch (c) {
    case '\t':
        out->append("\\t");
        return;
    case '\n':
        out->append("\\n");
        return;
    case '\r':
        out->append("\\r");
        return;
    case '"':
        out->append("\\\"");
        return;
    case '\\':
        out->append("\\\\");
        return;
    default:
        break;
    }
    if (IsControlByte(c)) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        out->append(hex);
        return;
    }
    out->push_back(static_cast<char>(c));
}

std::string EscapeIniValue(const char *text)
{
    std::string out;
    if (text == nullptr)
        return out;
    for (const char *p = text; *p != '\0'; ++p)
        AppendEscaped(&out, static_cast<unsigned char>(*p));
    return out;
}

static int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes the escape at stored[pos] == '\\'; returns how many characters it used.
static size_t DecodeEscape(const std::string &stored, size_t pos, std::string *out)
{
    if (pos + 1 >= stored.size()) {
        out->push_back('\\');
        return 1;
    }
    const char code = stored[pos + 1];
    switch (code) {
    case 'n':
        out->push_back('\n');
        return 2;
    case 'r':
        out->push_back('\r');
        return 2;
    case 't':
        out->push_back('\t');
        return 2;
    default:
        break;
    }
    if (code == 'x' && pos + 3 < stored.size() && HexDigitValue(stored[pos + 2]) >= 0 &&
        HexDigitValue(stored[pos + 3]) >= 0) {
        const int byte = HexDigitValue(stored[pos + 2]) * 16 + HexDigitValue(stored[pos + 3]);
        out->push_back(static_cast<char>(byte));
        return 4;
    }
    out->push_back(code);
    return 2;
}

std::string UnescapeIniValue(const std::string &stored)
{
    std::string out;
    out.reserve(stored.size());
    size_t pos = 0;
    while (pos < stored.size()) {
        if (stored[pos] == '\\') {
            pos += DecodeEscape(stored, pos, &out);
        } else {
            out.push_back(stored[pos]);
            ++pos;
        }
    }
    return out;
}
