// Walking a whole store, and the store's settings.

#include "inistore/ini_internal.h"

#include <new>

int Ini_NumberOfSections(IniText store)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    return static_cast<int>(store->sections.size());
}

int Ini_NthSectionName(IniText store, int index, std::string *name)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    if (name == nullptr)
        return INI_ERR_INVALID_ARGUMENT;
    if (index < 1 || static_cast<size_t>(index) > store->sections.size())
        return 0;
    try {
        *name = store->sections[static_cast<size_t>(index) - 1].name;
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
    return 1;
}

int Ini_NumberOfItems(IniText store, const char *section)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    try {
        const IniSection *found = FindSection(store, section);
        return found == nullptr ? 0 : static_cast<int>(found->items.size());
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}

int Ini_NthItemName(IniText store, const char *section, int index, std::string *tag)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    if (tag == nullptr)
        return INI_ERR_INVALID_ARGUMENT;
    try {
        const IniSection *found = FindSection(store, section);
        if (found == nullptr || index < 1 || static_cast<size_t>(index) > found->items.size())
            return 0;
        *tag = found->items[static_cast<size_t>(index) - 1].tag;
        return 1;
    } catch (const std::bad_alloc &) {
        return INI_ERR_OUT_OF_MEMORY;
    }
}

int Ini_LineOfLastAccess(IniText store)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    return store->lastItemLine;
}

int Ini_SetMaxValueLineLength(IniText store, int length)
{
    if (store == nullptr)
        return INI_ERR_NULL_STORE;
    store->maxValueLineLength = length > 0 ? length : 0;
    return INI_OK;
}
