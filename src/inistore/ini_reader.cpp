// The reader: turns lines into sections, items and comments.

#include "inistore/ini_internal.h"
#include "inistore/ini_strings.h"
#include "inistore/linefile.h"

#include <new>
#include <sys/stat.h>

namespace
{

struct ReadState {
    IniStore parsed;
    std::vector<std::string> pending; // comment lines waiting for their section or item
    bool sectionSeen = false;
    int lineNumber = 0;
};

} // namespace

static std::string SkipLeadingWhiteSpace(const std::string &line)
{
    size_t begin = 0;
    while (begin < line.size() && IsIniWhiteSpace(line[begin]))
        ++begin;
    return line.substr(begin);
}

// Names longer than 255 characters are cut, so that a name read from a file can always
// be written back as it is kept.
static std::string CutName(const std::string &name)
{
    if (name.size() <= static_cast<size_t>(kIniMaxNameLength))
        return name;
    return StrDupWithoutSurrWhiteSpace(name.substr(0, static_cast<size_t>(kIniMaxNameLength)));
}

static bool ParseSectionLine(const std::string &text, std::string *name)
{
    const size_t close = text.rfind(']');
    if (close == std::string::npos || close == 0)
        return false;
    for (size_t i = close + 1; i < text.size(); ++i) {
        if (!IsIniWhiteSpace(text[i]))
            return false;
    }
    *name = CutName(StrDupWithoutSurrWhiteSpace(text.substr(1, close - 1)));
    return !name->empty();
}

static bool ParseItemLine(const std::string &text, IniItem *item)
{
    const size_t separator = text.find('=');
    if (separator == std::string::npos)
        return false;
    item->tag = CutName(StrDupWithoutSurrWhiteSpace(text.substr(0, separator)));
    item->value = StrDupWithoutSurrWhiteSpace(text.substr(separator + 1));
    if (item->tag.empty() || item->value.empty())
        return false;
    if (item->value.size() >= 2 && item->value.front() == '"' && item->value.back() == '"') {
        item->value = item->value.substr(1, item->value.size() - 2);
        item->quoted = true;
    }
    item->key = IniNameKey(item->tag);
    return true;
}

static void IgnoreLine(ReadState *state)
{
    if (!state->sectionSeen && !state->pending.empty() && state->parsed.headerComment.empty())
        state->parsed.headerComment.swap(state->pending);
}

static void AddSection(ReadState *state, std::string name)
{
    IniSection section;
    section.key = IniNameKey(name);
    section.name = std::move(name);
    section.line = state->lineNumber;
    section.comments.swap(state->pending);
    state->parsed.sections.push_back(std::move(section));
    state->sectionSeen = true;
}

static void AddItem(ReadState *state, IniItem item)
{
    if (!state->sectionSeen) {
        state->pending.clear();
        return;
    }
    item.line = state->lineNumber;
    item.comments.swap(state->pending);
    state->parsed.sections.back().items.push_back(std::move(item));
}

static void ProcessLine(ReadState *state, const std::string &line)
{
    ++state->lineNumber;
    const std::string text = SkipLeadingWhiteSpace(line);
    if (!text.empty() && text[0] == ';') {
        state->pending.push_back(text);
        return;
    }
    if (!text.empty() && text[0] == '[') {
        std::string name;
        if (ParseSectionLine(text, &name))
            AddSection(state, std::move(name));
        else
            IgnoreLine(state);
        return;
    }
    IniItem item;
    if (ParseItemLine(text, &item))
        AddItem(state, std::move(item));
    else
        IgnoreLine(state);
}

// Moves what was read into the store; the store changes only when the whole input was read.
static void MergeInto(IniStore *store, ReadState *state)
{
    for (IniSection &section : state->parsed.sections)
        JoinContinuationItems(&section);
    if (store->headerComment.empty())
        store->headerComment.swap(state->parsed.headerComment);
    if (!state->pending.empty())
        store->trailingComment.swap(state->pending);
    store->sections.reserve(store->sections.size() + state->parsed.sections.size());
    for (IniSection &section : state->parsed.sections)
        store->sections.push_back(std::move(section));
    SortStore(store);
}

int Ini_ReadGeneric(IniText store, IniLineSource source, void *context)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    if (source == nullptr)
        return INI_ERR_INVALID_ARGUMENT;
    try {
        ReadState state;
        std::string line;
        int got;
        while ((got = source(context, &line)) == 1)
            ProcessLine(&state, line);
        if (got < 0)
            return got;
        MergeInto(store, &state);
        return INI_OK;
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}

static int ReadLineFromLineFile(void *context, std::string *line)
{
    return LineFile_Read(static_cast<LineFile *>(context), line);
}

static int ReadFromLineFile(IniText store, LineFile *lineFile)
{
    if (lineFile == nullptr)
        return INI_ERR_OUT_OF_MEMORY;
    const int result = Ini_ReadGeneric(store, ReadLineFromLineFile, lineFile);
    LineFile_Dispose(lineFile);
    return result;
}

int Ini_ReadFromMemory(IniText store, const char *data, size_t size)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    return ReadFromLineFile(store, LineFile_NewFromMemory(data, size));
}

int Ini_ReadFromFile(IniText store, const char *path)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    if (path == nullptr || path[0] == '\0')
        return INI_ERR_OPEN;
    std::FILE *file = std::fopen(path, "rb");
    if (file == nullptr)
        return INI_ERR_OPEN;
    struct stat info;
    if (fstat(fileno(file), &info) != 0 || S_ISDIR(info.st_mode)) {
        std::fclose(file);
        return INI_ERR_OPEN;
    }
    const int result = ReadFromLineFile(store, LineFile_New(file));
    std::fclose(file);
    return result;
}
