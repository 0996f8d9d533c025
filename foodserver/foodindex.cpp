#include "foodindex.h"

#include "text.h"

#include <algorithm>
#include <cstring>
#include <mutex>

namespace foodserver {

FoodIndex::Entry FoodIndex::makeEntry(const Food& food)
{
    return Entry{foldCase(food.name), food.name, food.id, formatRecord(food)};
}

bool FoodIndex::before(const Entry& a, const Entry& b)
{
    if (a.folded != b.folded)
        return a.folded < b.folded;
    if (a.name != b.name)
        return a.name < b.name;
    return a.id < b.id;
}

void FoodIndex::add(const Food& food)
{
    Entry entry = makeEntry(food);
    std::unique_lock lock(mutex_);
    const auto at = std::upper_bound(entries_.begin(), entries_.end(), entry, before);
    entries_.insert(at, std::move(entry));
    rebuildHaystack();
}

void FoodIndex::addAll(const std::vector<Food>& foods)
{
    std::vector<Entry> made;
    made.reserve(foods.size());
    for (const Food& food : foods)
        made.push_back(makeEntry(food));
    std::unique_lock lock(mutex_);
    for (Entry& entry : made)
        entries_.push_back(std::move(entry));
    std::sort(entries_.begin(), entries_.end(), before);
    rebuildHaystack();
}

std::size_t FoodIndex::size() const
{
    std::shared_lock lock(mutex_);
    return entries_.size();
}

void FoodIndex::rebuildHaystack()
{
    haystack_.clear();
    starts_.clear();
    starts_.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        starts_.push_back(haystack_.size());
        haystack_ += entry.folded;
        haystack_.push_back('\n');
    }
}

std::string FoodIndex::search(std::string_view term, std::size_t maxResults) const
{
    if (term.size() < 3 || maxResults == 0)
        return {};
    for (char c : term) {
        // Names hold no separators and no control bytes, so such a term finds nothing; it
        // must not match across the '\n' between two names either.
        if (isSeparator(c) || static_cast<unsigned char>(c) < 0x20)
            return {};
    }
    const std::string needle = foldCase(term);

    std::shared_lock lock(mutex_);
    std::vector<std::size_t> starting, containing;
    const char* base = haystack_.data();
    std::size_t pos = 0;
    while (pos < haystack_.size() && starting.size() < maxResults) {
        const void* hit = memmem(base + pos, haystack_.size() - pos, needle.data(), needle.size());
        if (!hit)
            break;
        const std::size_t offset = static_cast<const char*>(hit) - base;
        const std::size_t i = std::size_t(std::upper_bound(starts_.begin(), starts_.end(), offset) - starts_.begin()) - 1;
        if (offset == starts_[i])
            starting.push_back(i);
        else if (containing.size() < maxResults)
            containing.push_back(i);
        pos = starts_[i] + entries_[i].folded.size() + 1;
    }

    std::string body;
    std::size_t count = 0;
    for (const auto* group : {&starting, &containing}) {
        for (std::size_t i : *group) {
            if (count++ == maxResults)
                return body;
            body += entries_[i].record;
        }
    }
    return body;
}

} // namespace foodserver
