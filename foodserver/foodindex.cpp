#include "foodindex.h"

#include "text.h"

#include <algorithm>
#include <mutex>

namespace foodserver {

namespace {

std::uint32_t trigramAt(std::string_view text, std::size_t pos)
{
    return std::uint32_t(static_cast<unsigned char>(text[pos])) << 16 |
           std::uint32_t(static_cast<unsigned char>(text[pos + 1])) << 8 |
           std::uint32_t(static_cast<unsigned char>(text[pos + 2]));
}

} // namespace

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
    const auto position = std::uint32_t(at - entries_.begin());
    entries_.insert(at, std::move(entry));
    // Every entry from the insertion point on moved one place up; the lists stay in entry order.
    for (auto& [trigram, list] : trigrams_) {
        for (auto it = std::lower_bound(list.begin(), list.end(), position); it != list.end(); ++it)
            ++*it;
    }
    addTrigramsOf(position);
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
    rebuildTrigrams();
}

std::size_t FoodIndex::size() const
{
    std::shared_lock lock(mutex_);
    return entries_.size();
}

void FoodIndex::rebuildTrigrams()
{
    trigrams_.clear();
    for (std::uint32_t i = 0; i < entries_.size(); ++i)
        addTrigramsOf(i);
}

void FoodIndex::addTrigramsOf(std::uint32_t position)
{
    const std::string& folded = entries_[position].folded;
    for (std::size_t pos = 0; pos + 3 <= folded.size(); ++pos) {
        std::vector<std::uint32_t>& list = trigrams_[trigramAt(folded, pos)];
        const auto at = std::lower_bound(list.begin(), list.end(), position);
        if (at == list.end() || *at != position)
            list.insert(at, position);
    }
}

std::string FoodIndex::search(std::string_view term, std::size_t maxResults) const
{
    if (term.size() < 3 || maxResults == 0 || containsSeparator(term))
        return {};
    const std::string needle = foldCase(term);

    std::shared_lock lock(mutex_);
    // Names that start with the term form one run in the sorted entries.
    const auto first = std::lower_bound(entries_.begin(), entries_.end(), needle,
                                        [](const Entry& e, const std::string& n) { return e.folded < n; });
    // Found by halving too: walking it would cost a comparison per name, and in a large table a
    // common word ("beef") starts tens of thousands of them.
    const auto last = std::partition_point(
        first, entries_.end(), [&needle](const Entry& e) { return std::string_view(e.folded).starts_with(needle); });
    const std::size_t runBegin = std::size_t(first - entries_.begin());
    const std::size_t runEnd = std::size_t(last - entries_.begin());

    std::string body;
    std::size_t count = 0;
    for (std::size_t i = runBegin; i < runEnd && count < maxResults; ++i, ++count)
        body += entries_[i].record;

    // The other names that hold it, from the shortest list among the term's trigrams.
    const std::vector<std::uint32_t>* candidates = nullptr;
    for (std::size_t pos = 0; pos + 3 <= needle.size(); ++pos) {
        const auto found = trigrams_.find(trigramAt(needle, pos));
        if (found == trigrams_.end())
            return body;
        if (!candidates || found->second.size() < candidates->size())
            candidates = &found->second;
    }
    for (std::uint32_t i : *candidates) {
        if (count >= maxResults)
            break;
        if (i >= runBegin && i < runEnd)
            continue;
        if (entries_[i].folded.find(needle) != std::string::npos) {
            body += entries_[i].record;
            ++count;
        }
    }
    return body;
}

} // namespace foodserver
