#pragma once
// The searchable copy of every food, kept in memory beside the database so a search never
// touches the disk. Safe to use from several threads.
//
// A search finds the foods whose names hold every word of the term, in any order: a word also
// matches its other forms (cherry, cherries), a joined or split compound (soy milk, soymilk), an
// other name from the list (kaas, cheese), the start of a name word when it is the term's last
// word, and, where nothing else matches it, the nearest name word within one typing error (two
// for words of eight letters or more). When no food holds every word, the foods holding the most
// of them are the answer. The plain food comes first: see rank() in foodindex.cpp.
#include "foodserver/food.h"
#include "foodserver/othernames.h"
#include "foodserver/spelling.h"
#include "foodserver/words.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace foodserver {

class FoodIndex
{
public:
    // replyCacheBytes: how many bytes of recent replies to keep (0: none, as for benchmarks).
    explicit FoodIndex(OtherNames otherNames = {}, std::size_t replyCacheBytes = 8 * 1024 * 1024);

    void add(const Food& food);
    void addAll(const std::vector<Food>& foods);
    std::size_t size() const;

    // The reply body of a search: the records of the best maxResults foods, best first. Empty
    // for a term of fewer than three characters, one holding a separator, or one none of whose
    // words matches anything.
    std::string search(std::string_view term, std::size_t maxResults) const;

    // How well a word matches (lower is better): as typed, in another form or by another name;
    // as the start of a longer word; within a typing error.
    enum Level : std::uint8_t { Exact = 0, Prefix = 1, Typo = 2 };

private:
    // One occurrence of a word in a name.
    struct Posting
    {
        std::uint32_t entry;
        std::uint8_t position; // among the name's words
        std::uint8_t segment;  // comma-separated part of the name
    };
    struct Word
    {
        std::string text;
        // In the order of the entries' ranks; occurrences in the name's first part apart.
        std::vector<Posting> first;
        std::vector<Posting> later;
    };
    struct Entry
    {
        std::string record;
        std::string sortKey; // the folded words, parts apart, for the order by name
        std::int64_t id;
        std::uint16_t plainness; // lower: more like the plain food (see plainnessOf)
        std::uint8_t firstPartWords;
        std::uint8_t wordCount;
        bool checked;
    };
    struct Concept;
    struct Source;
    struct Hit;

    Entry makeEntry(const Food& food, std::vector<NameWord>& words) const;
    static bool staticallyBefore(const Entry& a, const Entry& b);
    std::uint32_t wordId(const std::string& text);
    void addPostings(std::uint32_t entry, const std::vector<NameWord>& words);
    bool rankBefore(const Posting& a, const Posting& b) const { return rank_[a.entry] < rank_[b.entry]; }

    // The term's words as concepts, each with the known words it matches.
    std::vector<Concept> parse(const std::vector<std::string>& words) const;
    Concept conceptAt(const std::vector<std::string>& words, std::size_t i, std::size_t length) const;
    void resolve(Concept& wanted) const;
    std::vector<std::pair<std::uint32_t, Level>> wordsMatching(const std::string& word, bool asPrefix,
                                                               Level level) const;
    bool known(const std::string& word) const;
    std::vector<Source> sourcesOf(const Concept& wanted, std::deque<std::vector<Posting>>& storage) const;
    std::vector<std::uint32_t> bestOfOne(const Concept& wanted, std::size_t maxResults) const;
    std::string answer(std::string_view term, std::size_t maxResults, std::uint64_t& revision) const;
    std::optional<std::string> cachedReply(const std::string& key) const;
    void remember(std::string key, const std::string& body, std::uint64_t revision) const;
    std::vector<std::uint32_t> bestOfMany(const std::vector<Concept>& concepts, std::size_t maxResults) const;

    const OtherNames otherNames_;
    Spelling spelling_;

    mutable std::shared_mutex mutex_;
    std::vector<Entry> entries_;       // in the order they were added
    std::vector<std::uint32_t> rank_;  // entry -> place in the order of plainness and name
    std::vector<std::uint32_t> order_; // place -> entry
    std::vector<Word> words_;
    std::map<std::string, std::uint32_t, std::less<>> vocabulary_; // ordered, for word starts
    std::unordered_map<std::string, std::vector<std::uint32_t>> stems_;
    std::atomic<std::uint64_t> revision_ = 0; // counts the changes, for the replies remembered

    // The replies to recent terms, while the index stays as it was: people search the same
    // foods over and over. At most cacheLimit_ bytes of them; all are forgotten when it is full.
    const std::size_t cacheLimit_;
    mutable std::shared_mutex cacheMutex_;
    mutable std::unordered_map<std::string, std::string> cache_;
    mutable std::size_t cacheBytes_ = 0;
    mutable std::uint64_t cacheRevision_ = 0;
};

} // namespace foodserver
