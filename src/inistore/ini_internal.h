#pragma once
// The records behind an IniText handle, shared by the store, reader and writer.

#include "inistore/inifile.h"

#include <cstddef>
#include <string>
#include <vector>

struct IniItem {
    std::string tag;   // as read or put, surrounding white space removed
    std::string key;   // tag in lower case: what lookups compare
    std::string value; // stored (escaped) form, without the quotes of the file
    bool quoted = false;
    int line = 0;
    std::vector<std::string> comments; // comment lines that stood before the item
};

struct IniSection {
    std::string name;
    std::string key;
    int line = 0;
    std::vector<std::string> comments;
    std::vector<IniItem> items;
};

constexpr size_t kNoSection = static_cast<size_t>(-1);

struct IniStore {
    bool sorting = false;
    int maxValueLineLength = kIniDefaultMaxValueLineLength;
    std::vector<std::string> headerComment;
    std::vector<std::string> trailingComment;
    std::vector<IniSection> sections;
    // Lookup cache: the section found last, and the file line of the item found last.
    size_t lastSection = kNoSection;
    int lastItemLine = 0;
};

// The lookup key of a name: surrounding white space removed, letters in lower case.
std::string IniNameKey(const std::string &name);

// Index of the first section / item with this key, kNoSection / -1 when there is none.
size_t FindSectionIndex(IniStore *store, const std::string &key);
IniSection *FindSection(IniStore *store, const char *name);
IniItem *FindItem(IniStore *store, const char *section, const char *tag);

// Brings sections and their items into name order (stable) when the store sorts.
void SortStore(IniStore *store);

// Continuation items ("TAG Line0001", "TAG Line0002", ...) written for long values.
constexpr const char *kContinuationMarker = " Line";
// When the tag is of the form TEXT + " Line" + digits: true, with the text (trailing
// blanks removed) and whether the number is 1.
bool ParseContinuationTag(const std::string &tag, std::string *base, bool *isFirst);
void JoinContinuationItems(IniSection *section);

// The result code for a failed file operation: permission, disk full, memory, or other.
int IniResultFromErrno(int error);
