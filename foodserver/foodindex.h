#pragma once
// The searchable copy of every food, kept in memory beside the database so a search never
// touches the disk. Safe to use from several threads.
#include "food.h"

#include <cstdint>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace foodserver {

class FoodIndex
{
public:
    void add(const Food& food);
    void addAll(const std::vector<Food>& foods);
    std::size_t size() const;

    // The reply body of a search: the record of every food whose name holds the term,
    // ignoring case; names that start with it first, then the others, each group in
    // alphabetical order; at most maxResults records. Empty for a term of fewer than three
    // characters or one holding a separator.
    std::string search(std::string_view term, std::size_t maxResults) const;

private:
    struct Entry
    {
        std::string folded;
        std::string name;
        std::int64_t id;
        std::string record;
    };
    static Entry makeEntry(const Food& food);
    static bool before(const Entry& a, const Entry& b);
    void rebuildTrigrams();
    // Puts the entry at this position into the list of every trigram of its name.
    void addTrigramsOf(std::uint32_t position);

    mutable std::shared_mutex mutex_;
    std::vector<Entry> entries_; // in alphabetical order of the folded names
    // For every three-byte sequence of a folded name, the entries that hold it, in entry order.
    // A search only looks at the entries of the rarest sequence of its term.
    std::unordered_map<std::uint32_t, std::vector<std::uint32_t>> trigrams_;
};

} // namespace foodserver
