// The writer: turns the store into lines for a line sink.

#include "inistore/ini_internal.h"
#include "inistore/ini_strings.h"

#include <cstdio>
#include <new>

namespace
{

struct Emitter {
    IniLineSink sink;
    void *context;
    int result = INI_OK;
};

} // namespace

// The continuation suffix " Line" and four digits takes 9 characters of the 255.
constexpr size_t kContinuationTagLength = 246;
constexpr size_t kSeparatorLength = 3; // " = "
constexpr size_t kQuotesLength = 2;

static bool Emit(Emitter *out, const std::string &line)
{
    if (out->result == INI_OK)
        out->result = out->sink(out->context, line);
    return out->result == INI_OK;
}

static bool EmitAll(Emitter *out, const std::vector<std::string> &lines)
{
    for (const std::string &line : lines) {
        if (!Emit(out, line))
            return false;
    }
    return true;
}

static std::string CutTag(const std::string &tag, size_t length)
{
    if (tag.size() <= length)
        return tag;
    std::string cut = tag.substr(0, length);
    while (!cut.empty() && IsIniWhiteSpace(cut.back()))
        cut.pop_back();
    return cut;
}

// An unquoted piece that reading would trim, drop or unquote is written in quotes.
static bool NeedsQuotes(const std::string &piece)
{
    if (piece.empty() || IsIniWhiteSpace(piece.front()) || IsIniWhiteSpace(piece.back()))
        return true;
    return piece.size() >= 2 && piece.front() == '"' && piece.back() == '"';
}

static std::vector<std::string> SplitValue(const std::string &value, size_t pieceLength)
{
    std::vector<std::string> pieces;
    for (size_t pos = 0; pos < value.size(); pos += pieceLength)
        pieces.push_back(value.substr(pos, pieceLength));
    if (pieces.empty())
        pieces.push_back(std::string());
    return pieces;
}

static bool AnyNeedsQuotes(const std::vector<std::string> &pieces)
{
    for (const std::string &piece : pieces) {
        if (NeedsQuotes(piece))
            return true;
    }
    return false;
}

static std::string ItemLine(const std::string &tag, const std::string &value, bool quoted)
{
    std::string line = tag;
    line += " = ";
    if (quoted)
        line += '"';
    line += value;
    if (quoted)
        line += '"';
    return line;
}

static bool FitsOneLine(const IniStore &store, const std::string &tag, const IniItem &item)
{
    const size_t limit = static_cast<size_t>(store.maxValueLineLength);
    if (limit != 0 && item.value.size() > limit)
        return false;
    return tag.size() + kSeparatorLength + kQuotesLength + item.value.size() <=
           static_cast<size_t>(kIniMaxLineLength);
}

static bool EmitItem(Emitter *out, const IniStore &store, const IniItem &item)
{
    const std::string tag = CutTag(item.tag, static_cast<size_t>(kIniMaxNameLength));
    if (FitsOneLine(store, tag, item)) {
        const bool quoted = item.quoted || NeedsQuotes(item.value);
        return Emit(out, ItemLine(tag, item.value, quoted));
    }
    // Long values go into pieces of at most the value line length, fewer where the line
    // would pass the line limit. The split is made in the stored (escaped) text.
    const std::string base = CutTag(item.tag, kContinuationTagLength);
    size_t pieceLength =
        static_cast<size_t>(kIniMaxLineLength) - (base.size() + 9) - kSeparatorLength - kQuotesLength;
    if (store.maxValueLineLength > 0 && static_cast<size_t>(store.maxValueLineLength) < pieceLength)
        pieceLength = static_cast<size_t>(store.maxValueLineLength);
    const std::vector<std::string> pieces = SplitValue(item.value, pieceLength);
    const bool quoted = item.quoted || AnyNeedsQuotes(pieces);
    for (size_t k = 0; k < pieces.size(); ++k) {
        char suffix[24];
        std::snprintf(suffix, sizeof suffix, "%s%04d", kContinuationMarker, static_cast<int>(k + 1));
        if (!Emit(out, ItemLine(base + suffix, pieces[k], quoted)))
            return false;
    }
    return true;
}

static bool EmitSection(Emitter *out, const IniStore &store, const IniSection &section)
{
    if (!EmitAll(out, section.comments) || !Emit(out, "[" + section.name + "]"))
        return false;
    for (const IniItem &item : section.items) {
        if (!EmitAll(out, item.comments) || !EmitItem(out, store, item))
            return false;
    }
    return Emit(out, std::string());
}

int Ini_WriteGeneric(IniText store, IniLineSink sink, void *context)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    if (sink == nullptr)
        return INI_ERR_INVALID_ARGUMENT;
    Emitter out{sink, context};
    try {
        if (!store->headerComment.empty() && (!EmitAll(&out, store->headerComment) || !Emit(&out, "")))
            return out.result;
        for (const IniSection &section : store->sections) {
            if (!EmitSection(&out, *store, section))
                return out.result;
        }
        EmitAll(&out, store->trailingComment);
        return out.result;
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}
