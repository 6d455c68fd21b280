// Continuation items: a value longer than the line limit is written as items
// "TAG Line0001", "TAG Line0002", ... and joined again after reading.

#include "inistore/ini_internal.h"
#include "inistore/ini_strings.h"

#include <cstring>

static std::string WithoutTrailingWhiteSpace(const std::string &text)
{
    size_t end = text.size();
    while (end > 0 && IsIniWhiteSpace(text[end - 1]))
        --end;
    return text.substr(0, end);
}

bool ParseContinuationTag(const std::string &tag, std::string *base, bool *isFirst)
{
    const size_t marker = tag.rfind(kContinuationMarker);
    if (marker == std::string::npos)
        return false;
    const size_t digitsBegin = marker + std::strlen(kContinuationMarker);
    if (digitsBegin == tag.size())
        return false;
    for (size_t i = digitsBegin; i < tag.size(); ++i) {
        if (tag[i] < '0' || tag[i] > '9')
            return false;
    }
    *base = WithoutTrailingWhiteSpace(tag.substr(0, marker));
    if (base->empty())
        return false;
    // Any number of leading zeros: "Line1", "Line0001" and "Line00001" all start a run.
    const size_t significant = tag.find_first_not_of('0', digitsBegin);
    *isFirst = significant == tag.size() - 1 && tag[significant] == '1';
    return true;
}

static bool ContinuesRun(const IniItem &item)
{
    std::string base;
    bool isFirst = false;
    return ParseContinuationTag(item.tag, &base, &isFirst) && !isFirst;
}

void JoinContinuationItems(IniSection *section)
{
    std::vector<IniItem> &items = section->items;
    for (size_t i = 0; i < items.size(); ++i) {
        std::string base;
        bool isFirst = false;
        if (!ParseContinuationTag(items[i].tag, &base, &isFirst) || !isFirst)
            continue;
        size_t end = i + 1;
        while (end < items.size() && ContinuesRun(items[end])) {
            items[i].value += items[end].value;
            // Comments of the later pieces stay with the joined item rather than vanish.
            for (std::string &comment : items[end].comments)
                items[i].comments.push_back(std::move(comment));
            ++end;
        }
        items[i].tag = base;
        items[i].key = IniNameKey(base);
        items.erase(items.begin() + static_cast<long>(i) + 1, items.begin() + static_cast<long>(end));
    }
}
