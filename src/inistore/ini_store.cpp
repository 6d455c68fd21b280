// Store life cycle, puts, gets and lookups.

#include "inistore/ini_escape.h"
#include "inistore/ini_internal.h"
#include "inistore/ini_strings.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <new>

std::string IniNameKey(const std::string &name)
{
    std::string key = StrDupWithoutSurrWhiteSpace(name);
    for (char &c : key)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

IniText Ini_New(int sorting)
{
    IniStore *store = new (std::nothrow) IniStore;
    if (store != nullptr)
        store->sorting = sorting != 0;
    return store;
}

void Ini_Dispose(IniText store)
{
    delete store;
}

size_t FindSectionIndex(IniStore *store, const std::string &key)
{
    // The cache only ever holds the first section of its name, so checking it first
    // keeps "first match wins".
    if (store->lastSection < store->sections.size() && store->sections[store->lastSection].key == key)
        return store->lastSection;
    for (size_t i = 0; i < store->sections.size(); ++i) {
        if (store->sections[i].key == key) {
            store->lastSection = i;
            return i;
        }
    }
    return kNoSection;
}

IniSection *FindSection(IniStore *store, const char *name)
{
    if (name == nullptr)
        return nullptr;
    const size_t index = FindSectionIndex(store, IniNameKey(name));
    return index == kNoSection ? nullptr : &store->sections[index];
}

static long FindItemIndex(const IniSection &section, const std::string &key)
{
    for (size_t i = 0; i < section.items.size(); ++i) {
        if (section.items[i].key == key)
            return static_cast<long>(i);
    }
    return -1;
}

IniItem *FindItem(IniStore *store, const char *section, const char *tag)
{
    IniSection *found = FindSection(store, section);
    if (found == nullptr || tag == nullptr)
        return nullptr;
    const long index = FindItemIndex(*found, IniNameKey(tag));
    if (index < 0)
        return nullptr;
    IniItem *item = &found->items[static_cast<size_t>(index)];
    store->lastItemLine = item->line;
    return item;
}

static bool KeyLess(const std::string &a, const std::string &b)
{
    return a < b;
}

void SortStore(IniStore *store)
{
    if (!store->sorting)
        return;
    for (IniSection &section : store->sections) {
        std::stable_sort(section.items.begin(), section.items.end(),
                         [](const IniItem &a, const IniItem &b) { return KeyLess(a.key, b.key); });
    }
    std::stable_sort(store->sections.begin(), store->sections.end(),
                     [](const IniSection &a, const IniSection &b) { return KeyLess(a.key, b.key); });
    store->lastSection = kNoSection;
}

// A name that a written file gives back unchanged: not blank, at most 255 characters,
// no line break; a tag also without '=' and not read as a section or comment line.
static bool IsStorableName(const std::string &name, bool isTag)
{
    if (name.empty() || name.size() > static_cast<size_t>(kIniMaxNameLength))
        return false;
    if (name.find_first_of("\r\n") != std::string::npos)
        return false;
    if (isTag && (name.find('=') != std::string::npos || name[0] == '[' || name[0] == ';'))
        return false;
    return true;
}

static void InsertNewSection(IniStore *store, IniSection section)
{
    auto pos = store->sections.end();
    if (store->sorting) {
        pos =
            std::upper_bound(store->sections.begin(), store->sections.end(), section.key,
                             [](const std::string &key, const IniSection &s) { return KeyLess(key, s.key); });
    }
    if (pos != store->sections.end())
        store->lastSection = kNoSection;
    store->sections.insert(pos, std::move(section));
}

// Duplicate checking: every item of the same tag goes, the new one takes the place of
// the first; without one it goes to the end (or to its place in name order).
static void PutItemIntoSection(IniSection *section, IniItem item, bool sorting)
{
    std::vector<IniItem> &items = section->items;
    const long first = FindItemIndex(*section, item.key);
    if (first >= 0) {
        const std::string key = item.key;
        items.erase(std::remove_if(items.begin() + first, items.end(),
                                   [&key](const IniItem &old) { return old.key == key; }),
                    items.end());
        items.insert(items.begin() + first, std::move(item));
        return;
    }
    auto pos = items.end();
    if (sorting) {
        pos = std::upper_bound(items.begin(), items.end(), item.key,
                               [](const std::string &key, const IniItem &i) { return KeyLess(key, i.key); });
    }
    items.insert(pos, std::move(item));
}

static int PutValue(IniStore *store, const char *section, const char *tag, std::string value, bool quoted)
{
    if (section == nullptr || tag == nullptr)
        return INI_ERR_INVALID_ARGUMENT;
    IniItem item;
    item.tag = StrDupWithoutSurrWhiteSpace(tag);
    const std::string sectionName = StrDupWithoutSurrWhiteSpace(section);
    if (!IsStorableName(item.tag, true) || !IsStorableName(sectionName, false))
        return INI_ERR_INVALID_ARGUMENT;
    item.key = IniNameKey(item.tag);
    item.value = std::move(value);
    item.quoted = quoted;

    const std::string sectionKey = IniNameKey(sectionName);
    const size_t index = FindSectionIndex(store, sectionKey);
    if (index != kNoSection) {
        PutItemIntoSection(&store->sections[index], std::move(item), store->sorting);
        return INI_OK;
    }
    IniSection created;
    created.name = sectionName;
    created.key = sectionKey;
    created.items.push_back(std::move(item));
    InsertNewSection(store, std::move(created));
    return INI_OK;
}

int Ini_PutString(IniText store, const char *section, const char *tag, const char *value)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    try {
        return PutValue(store, section, tag, EscapeIniValue(value), true);
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}

int Ini_PutInt(IniText store, const char *section, const char *tag, int value)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    try {
        return PutValue(store, section, tag, text, false);
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}

// The shortest text that reads back as the same double, with a decimal point whatever
// the process's locale says.
int Ini_PutDouble(IniText store, const char *section, const char *tag, double value)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    if (!std::isfinite(value))
        return INI_ERR_INVALID_ARGUMENT;
    char text[32];
    const std::to_chars_result end = std::to_chars(text, text + sizeof text, value);
    try {
        return PutValue(store, section, tag, std::string(text, end.ptr), false);
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}

int Ini_GetStringIntoBuffer(IniText store, const char *section, const char *tag, char *buffer, int bufferSize)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    if (buffer == nullptr || bufferSize < 1)
        return INI_ERR_INVALID_ARGUMENT;
    buffer[0] = '\0';
    try {
        const IniItem *item = FindItem(store, section, tag);
        if (item == nullptr)
            return 0;
        StringCopyMax(buffer, UnescapeIniValue(item->value), static_cast<size_t>(bufferSize));
        return 1;
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}

// The raw value of an item without the blanks around it; empty when the item is
// missing or blank.
static std::string TrimmedRawValue(IniStore *store, const char *section, const char *tag)
{
    const IniItem *item = FindItem(store, section, tag);
    return item == nullptr ? std::string() : StrDupWithoutSurrWhiteSpace(item->value);
}

int Ini_GetInt(IniText store, const char *section, const char *tag, int *value)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    if (value == nullptr)
        return INI_ERR_INVALID_ARGUMENT;
    try {
        const std::string text = TrimmedRawValue(store, section, tag);
        if (text.empty())
            return 0;
        return StrToInt(text, value) ? 1 : INI_ERR_INVALID_INTEGER;
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}

int Ini_GetDouble(IniText store, const char *section, const char *tag, double *value)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    if (value == nullptr)
        return INI_ERR_INVALID_ARGUMENT;
    try {
        const std::string text = TrimmedRawValue(store, section, tag);
        if (text.empty())
            return 0;
        double number = 0.0;
        const char *first = text.c_str() + (text[0] == '+' ? 1 : 0);
        const char *last = text.c_str() + text.size();
        const std::from_chars_result parsed = std::from_chars(first, last, number);
        if (parsed.ec != std::errc() || parsed.ptr != last || !std::isfinite(number))
            return INI_ERR_INVALID_NUMBER;
        *value = number;
        return 1;
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}
