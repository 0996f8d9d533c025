#include "foodserver/foodindex.h"

#include "foodserver/text.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <mutex>
#include <queue>
#include <unordered_set>

namespace foodserver {

namespace {

// Words that mark a row as a brand's, a restaurant's or baby food: what a person asking for
// "apple sauce" means only when they say so.
const std::unordered_set<std::string_view> kSpecialRowWords = {"babyfood", "restaurant", "infant", "fast"};

// Names that start with a group of foods ("Fish, trout, raw", "Nuts, pecans") name the food in
// their second part; for such a name the first two parts are the food's kind. Products named by
// what they are made of ("Crackers, cheese", "Oil, mustard") are not such groups: a cracker is
// not cheese.
const std::unordered_set<std::string_view> kGroups = {
    "fish",      "nuts",    "seeds", "crustaceans", "mollusks",           "melons",  "spices",
    "game meat", "cheese",  "milk",  "beverages",   "alcoholic beverage", "cereals", "cereals ready to eat",
    "snacks",    "candies",
};

// How far a word takes a row from the food as people eat it: forms to be prepared first, then
// processed forms, flavours and parts few people mean.
const std::unordered_map<std::string_view, int> kQualifierWeights = {
    {"mix", 3},         {"powder", 3},     {"dehydrated", 3},    {"concentrate", 3}, {"imitation", 3},
    {"meatless", 3},    {"substitute", 3}, {"canned", 1},        {"frozen", 1},      {"sweetened", 1},
    {"instant", 1},     {"microwaved", 1}, {"microwave", 1},     {"toasted", 1},     {"fried", 1},
    {"breaded", 1},     {"battered", 1},   {"reconstituted", 1}, {"drained", 1},     {"syrup", 1},
    {"flavored", 1},    {"flavor", 1},     {"candied", 1},       {"heated", 1},      {"chocolate", 1},
    {"prepackaged", 1}, {"deli", 1},       {"sliced", 1},        {"seasoned", 1},    {"made", 1},
    {"reduced", 1},     {"low", 1},        {"light", 1},         {"lite", 1},        {"diet", 1},
    {"free", 1},        {"skin", 1},       {"baby", 2},          {"liver", 2},       {"giblets", 2},
    {"heart", 2},       {"kidneys", 2},    {"gizzard", 2},       {"tongue", 2},      {"brain", 2},
    {"yolk", 2},        {"nonfat", 1},     {"lowfat", 1},        {"brown", 1},       {"greens", 1},
    {"oil", 1},         {"processed", 1},  {"solution", 1},      {"enhanced", 1},    {"vegetables", 1},
    {"duck", 1},        {"buffalo", 1},
};

// A part that is only one of these words marks the plain form ("Beets, raw", "Milk, whole").
const std::unordered_set<std::string_view> kPlainParts = {"raw", "plain", "whole", "fresh", "ripe"};
// Words of the generic row among several ("all areas", "mixed species", "regular").
const std::unordered_set<std::string_view> kGenericWords = {"all",     "mixed",   "original",
                                                            "regular", "average", "ripe"};

struct NameStyle
{
    bool brand = false;    // "PEPPERIDGE FARM, ...", "Campbell's Brown Sugar And Bacon ..."
    bool regional = false; // a people or place in brackets: "(Northern Plains Indians)"
    int varieties = 0;     // capitalised words after the first part: "Mushrooms, Chanterelle"
};

// What the capitals of a name tell: a word in capitals outside brackets is a brand (but not
// "(includes USDA commodity ...)"), and so is a name most of whose words are capitalised, as
// product names are; a capitalised word in brackets names where the food comes from.
NameStyle styleOf(const std::vector<NameWord>& words)
{
    NameStyle style;
    std::size_t outside = 0, capitalised = 0;
    for (const NameWord& word : words) {
        if (word.bracketed) {
            style.regional = style.regional || word.capitalised;
            continue;
        }
        ++outside;
        capitalised += word.capitalised ? 1 : 0;
        style.brand = style.brand || word.inCapitals;
        style.varieties += word.capitalised && word.segment > 0 ? 1 : 0;
    }
    style.brand = style.brand || (capitalised >= 3 && capitalised * 5 >= outside * 3);
    return style;
}

// The word and, for the English plurals in -ves that the stemmer leaves apart from their
// singular (loaf, loaves; leaf, leaves; half, halves), the other number.
std::vector<std::string> pluralForms(const std::string& word)
{
    std::vector<std::string> forms{word};
    const std::size_t n = word.size();
    if (n > 4 && word.ends_with("ves")) {
        forms.push_back(word.substr(0, n - 3) + "f");
        forms.push_back(word.substr(0, n - 3) + "fe");
    } else if (n > 2 && word.ends_with("fe")) {
        forms.push_back(word.substr(0, n - 2) + "ves");
    } else if (n > 2 && word.ends_with('f')) {
        forms.push_back(word.substr(0, n - 1) + "ves");
    }
    return forms;
}

unsigned editsAllowed(std::size_t letters)
{
    return letters >= 8 ? 2 : letters >= 5 ? 1 : 0;
}

} // namespace

// A word of the term, or a run of words that belong together ("spring onion", "soy milk"), with
// every way it can be written in a name. A food matches the concept when it matches one of them.
struct FoodIndex::Concept
{
    struct Alternative
    {
        Alternative(std::vector<std::string> written, Level how, bool asTyped)
            : words(std::move(written)), level(how), isTyped(asTyped)
        {
        }
        std::vector<std::string> words;
        Level level;
        bool isTyped; // the words as typed, not another name for them
        bool lastWordIsPrefix = false;
        // Per word, the known words it matches, each with how well.
        std::vector<std::vector<std::pair<std::uint32_t, Level>>> matches;
        bool matchesSomething() const
        {
            return !matches.empty() &&
                   std::all_of(matches.begin(), matches.end(), [](const auto& m) { return !m.empty(); });
        }
    };
    std::vector<Alternative> alternatives;
    bool matchesSomething() const
    {
        return std::any_of(alternatives.begin(), alternatives.end(),
                           [](const Alternative& a) { return a.matchesSomething(); });
    }
};

// A list of postings whose matches all have the same level and part class; tier orders them.
struct FoodIndex::Source
{
    const std::vector<Posting>* list;
    std::uint8_t tier;
};

// How one entry matches one concept.
struct FoodIndex::Hit
{
    std::uint32_t entry;
    std::uint8_t level;
    std::uint8_t later; // 0: in the name's first part
    std::uint8_t position;
};

FoodIndex::FoodIndex(OtherNames otherNames, std::size_t replyCacheBytes)
    : otherNames_(std::move(otherNames)), cacheLimit_(replyCacheBytes)
{
    // A typing error in a word of the list ("komkomer") is corrected to it, too.
    std::vector<std::pair<std::string, unsigned>> keys;
    for (std::string& key : otherNames_.oneWordKeys())
        keys.emplace_back(std::move(key), 1);
    spelling_.add(keys);
}

FoodIndex::Entry FoodIndex::makeEntry(const Food& food, std::vector<NameWord>& words) const
{
    words = nameWords(food.name);
    Entry entry{formatRecord(food), {}, food.id, 0, 0, 0, food.checked};
    std::string firstPart;
    std::vector<std::size_t> partSizes;
    for (const NameWord& word : words) {
        if (word.segment == 0)
            firstPart += (firstPart.empty() ? "" : " ") + word.text;
        if (partSizes.size() <= word.segment)
            partSizes.resize(word.segment + 1u, 0);
        ++partSizes[word.segment];
    }
    // A group's name and the part after it are the kind: "Fish, trout" is one kind of food, and
    // "trout" its name.
    const bool grouped = partSizes.size() > 1 && kGroups.contains(firstPart);
    const std::uint8_t kindPart = grouped ? 1 : 0;
    int qualifiers = 0, plainForm = 0;
    std::size_t counted = 0;
    const NameStyle style = styleOf(words);
    bool special = style.brand;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const NameWord& word = words[i];
        if (i > 0)
            entry.sortKey += word.segment != words[i - 1].segment ? '\x01' : '\x02';
        entry.sortKey += word.text;
        special = special || kSpecialRowWords.contains(word.text);
        if (word.bracketed)
            continue;
        ++counted;
        // "Nuts, hazelnuts or filberts": the kind is hazelnuts, by another name filberts.
        const bool otherName = i > 0 && words[i - 1].text == "or";
        if (word.segment == kindPart && word.text != "or" && !otherName)
            ++entry.firstPartWords;
        if (const auto weight = kQualifierWeights.find(word.text); weight != kQualifierWeights.end())
            qualifiers += weight->second;
        if (kGenericWords.contains(word.text))
            qualifiers -= 1;
        if (word.segment > kindPart && partSizes[word.segment] == 1 && kPlainParts.contains(word.text))
            plainForm += word.text == "raw" ? 3 : 2;
    }
    if (grouped) {
        for (NameWord& word : words)
            word.segment = std::uint8_t(std::max(word.segment, std::uint8_t(1)) - 1);
    }
    if (style.regional)
        qualifiers += 2;
    qualifiers += std::min(style.varieties, 3);
    entry.wordCount = std::uint8_t(std::min<std::size_t>(counted, 255));
    entry.plainness =
        std::uint16_t((special ? 1000 : 0) + std::clamp(qualifiers * 2 - plainForm + 100, 0, 999));
    return entry;
}

// The order of foods that match a term equally well: brands, restaurants and baby food last;
// then the fewest words before the first comma (the plain kind: "Beets, raw" before "Beet
// greens, raw"); the fewest prepared forms and the raw or plain form first; the fewest words;
// checked foods before unchecked submissions; then by name, word by word ("Broccoli, raw" before
// "Broccoli raab").
bool FoodIndex::staticallyBefore(const Entry& a, const Entry& b)
{
    const bool aSpecial = a.plainness >= 1000, bSpecial = b.plainness >= 1000;
    if (aSpecial != bSpecial)
        return bSpecial;
    if (a.firstPartWords != b.firstPartWords)
        return a.firstPartWords < b.firstPartWords;
    if (a.plainness != b.plainness)
        return a.plainness < b.plainness;
    if (a.wordCount != b.wordCount)
        return a.wordCount < b.wordCount;
    if (a.checked != b.checked)
        return a.checked;
    if (a.sortKey != b.sortKey)
        return a.sortKey < b.sortKey;
    return a.id < b.id;
}

std::uint32_t FoodIndex::wordId(const std::string& text)
{
    const auto [at, added] = vocabulary_.try_emplace(text, std::uint32_t(words_.size()));
    if (added) {
        words_.push_back(Word{text, {}, {}});
        stems_[englishStem(text)].push_back(at->second);
    }
    return at->second;
}

void FoodIndex::addPostings(std::uint32_t entry, const std::vector<NameWord>& words)
{
    for (const NameWord& word : words) {
        Word& known = words_[wordId(word.text)];
        std::vector<Posting>& list = word.segment == 0 ? known.first : known.later;
        const Posting posting{entry, word.position, word.segment};
        // Appended in rank order when filled at once; put in place for a single new food.
        if (list.empty() || rankBefore(list.back(), posting)) {
            list.push_back(posting);
        } else {
            list.insert(
                std::upper_bound(list.begin(), list.end(), posting,
                                 [this](const Posting& a, const Posting& b) { return rankBefore(a, b); }),
                posting);
        }
    }
}

void FoodIndex::add(const Food& food)
{
    std::vector<NameWord> words;
    Entry made = makeEntry(food, words);
    std::vector<std::pair<std::string, unsigned>> spelling;
    {
        std::unique_lock lock(mutex_);
        const auto entry = std::uint32_t(entries_.size());
        entries_.push_back(std::move(made));
        const auto place =
            std::upper_bound(order_.begin(), order_.end(), entry, [this](std::uint32_t a, std::uint32_t b) {
                return staticallyBefore(entries_[a], entries_[b]);
            });
        const auto from = std::size_t(place - order_.begin());
        order_.insert(place, entry);
        rank_.push_back(0);
        // Every food after it moves one place on; their order among themselves stays.
        for (std::size_t i = from; i < order_.size(); ++i)
            rank_[order_[i]] = std::uint32_t(i);
        addPostings(entry, words);
        ++revision_;
    }
    for (const NameWord& word : words)
        spelling.emplace_back(word.text, 1);
    spelling_.add(spelling);
}

void FoodIndex::addAll(const std::vector<Food>& foods)
{
    std::vector<std::vector<NameWord>> words(foods.size());
    std::vector<Entry> made;
    made.reserve(foods.size());
    for (std::size_t i = 0; i < foods.size(); ++i)
        made.push_back(makeEntry(foods[i], words[i]));
    std::unordered_map<std::string, unsigned> counts;
    {
        std::unique_lock lock(mutex_);
        const auto firstNew = std::uint32_t(entries_.size());
        for (Entry& entry : made)
            entries_.push_back(std::move(entry));
        order_.resize(entries_.size());
        for (std::uint32_t i = 0; i < order_.size(); ++i)
            order_[i] = i;
        std::sort(order_.begin(), order_.end(), [this](std::uint32_t a, std::uint32_t b) {
            return staticallyBefore(entries_[a], entries_[b]);
        });
        rank_.resize(entries_.size());
        for (std::uint32_t i = 0; i < order_.size(); ++i)
            rank_[order_[i]] = i;
        // The new foods in rank order, so their postings append in order; lists that held
        // foods before are sorted again.
        for (std::uint32_t entry : order_) {
            if (entry < firstNew)
                continue;
            for (const NameWord& word : words[entry - firstNew]) {
                Word& known = words_[wordId(word.text)];
                (word.segment == 0 ? known.first : known.later)
                    .push_back(Posting{entry, word.position, word.segment});
                ++counts[word.text];
            }
        }
        const auto byRank = [this](const Posting& a, const Posting& b) { return rankBefore(a, b); };
        for (Word& word : words_) {
            for (auto* list : {&word.first, &word.later}) {
                if (!std::is_sorted(list->begin(), list->end(), byRank))
                    std::stable_sort(list->begin(), list->end(), byRank);
            }
        }
        ++revision_;
    }
    spelling_.add({counts.begin(), counts.end()});
}

std::size_t FoodIndex::size() const
{
    std::shared_lock lock(mutex_);
    return entries_.size();
}

bool FoodIndex::known(const std::string& word) const
{
    return vocabulary_.contains(word) || stems_.contains(englishStem(word));
}

std::vector<std::pair<std::uint32_t, FoodIndex::Level>>
FoodIndex::wordsMatching(const std::string& word, bool asPrefix, Level level) const
{
    std::vector<std::pair<std::uint32_t, Level>> found;
    for (const std::string& form : pluralForms(word)) {
        if (const auto forms = stems_.find(englishStem(form)); forms != stems_.end()) {
            for (std::uint32_t id : forms->second) {
                if (std::none_of(found.begin(), found.end(), [&](const auto& f) { return f.first == id; }))
                    found.emplace_back(id, level);
            }
        }
    }
    if (const auto exact = vocabulary_.find(word); exact != vocabulary_.end()) {
        if (std::none_of(found.begin(), found.end(), [&](const auto& f) { return f.first == exact->second; }))
            found.emplace_back(exact->second, level);
    }
    // The start of a word: at least two letters, or every short word would match.
    if (asPrefix && word.size() >= 2) {
        const std::size_t forms = found.size();
        const Level prefixLevel = std::max(level, Prefix);
        for (auto it = vocabulary_.lower_bound(word); it != vocabulary_.end() && it->first.starts_with(word);
             ++it) {
            if (std::none_of(found.begin(), found.begin() + std::ptrdiff_t(forms),
                             [&](const auto& f) { return f.first == it->second; }))
                found.emplace_back(it->second, prefixLevel);
        }
    }
    return found;
}

std::vector<FoodIndex::Concept> FoodIndex::parse(const std::vector<std::string>& words) const
{
    std::vector<Concept> concepts;
    const std::size_t n = words.size();
    for (std::size_t i = 0; i < n;) {
        // The longest run of words from here that belongs together and matches something; else
        // the word alone.
        for (std::size_t longest = std::min(OtherNames::kLongestKey, n - i); longest >= 1; --longest) {
            Concept wanted = conceptAt(words, i, longest);
            if (wanted.alternatives.empty())
                continue;
            const std::size_t span = wanted.alternatives.front().words.size();
            // Only the typed words can be the start of a longer word, not the other names.
            for (auto& alternative : wanted.alternatives)
                alternative.lastWordIsPrefix = i + span == n && alternative.isTyped;
            resolve(wanted);
            if (span > 1 && !wanted.matchesSomething())
                continue;
            concepts.push_back(std::move(wanted));
            i += span;
            break;
        }
    }
    return concepts;
}

FoodIndex::Concept FoodIndex::conceptAt(const std::vector<std::string>& words, std::size_t i,
                                        std::size_t length) const
{
    Concept wanted;
    const std::vector<std::string> run(words.begin() + std::ptrdiff_t(i),
                                       words.begin() + std::ptrdiff_t(i + length));
    if (length > 1) {
        // Other names of two or three words ("spring onion", "icing sugar").
        if (const auto* names = otherNames_.lookUp(run)) {
            wanted.alternatives.push_back({run, Exact, true});
            for (const auto& name : *names)
                wanted.alternatives.push_back({name, Exact, false});
        } else if (length == 2 && known(run[0] + run[1])) {
            // Two words that names write as one ("soy milk": "Soymilk").
            wanted.alternatives.push_back({run, Exact, true});
            wanted.alternatives.push_back({{run[0] + run[1]}, Exact, true});
        }
        return wanted;
    }
    const std::string& word = run.front();
    wanted.alternatives.push_back({run, Exact, true});
    if (const auto* names = otherNames_.lookUp(run)) {
        for (const auto& name : *names)
            wanted.alternatives.push_back({name, Exact, false});
    }
    // One word that names write as two ("peanut": "pea nut").
    if (!known(word)) {
        for (std::size_t cut = 3; cut + 3 <= word.size(); ++cut) {
            const std::string head = word.substr(0, cut), tail = word.substr(cut);
            if (known(head) && known(tail)) {
                wanted.alternatives.push_back({{head, tail}, Exact, false});
                break;
            }
        }
    }
    return wanted;
}

void FoodIndex::resolve(Concept& wanted) const
{
    for (auto& alternative : wanted.alternatives) {
        for (std::size_t j = 0; j < alternative.words.size(); ++j) {
            const bool prefix = alternative.lastWordIsPrefix && j + 1 == alternative.words.size();
            alternative.matches.push_back(wordsMatching(alternative.words[j], prefix, alternative.level));
        }
    }
    // A typing error, looked for only where none of the word's forms matches anything.
    const std::string& typed = wanted.alternatives.front().words.front();
    if (wanted.matchesSomething() || wanted.alternatives.front().words.size() != 1)
        return;
    const std::string nearest = spelling_.suggest(typed, editsAllowed(typed.size()));
    if (nearest.empty())
        return;
    Concept::Alternative corrected{{nearest}, Typo, false};
    corrected.matches.push_back(wordsMatching(nearest, false, Typo));
    wanted.alternatives.push_back(std::move(corrected));
    if (const auto* names = otherNames_.lookUp({nearest})) {
        for (const auto& name : *names) {
            Concept::Alternative other{name, Typo, false};
            for (const std::string& word : name)
                other.matches.push_back(wordsMatching(word, false, Typo));
            wanted.alternatives.push_back(std::move(other));
        }
    }
}

std::vector<FoodIndex::Source> FoodIndex::sourcesOf(const Concept& wanted,
                                                    std::deque<std::vector<Posting>>& storage) const
{
    std::vector<Source> sources;
    const auto byRank = [this](const Hit& a, const Hit& b) {
        if (rank_[a.entry] != rank_[b.entry])
            return rank_[a.entry] < rank_[b.entry];
        return std::tie(a.level, a.later, a.position) < std::tie(b.level, b.later, b.position);
    };
    for (const auto& alternative : wanted.alternatives) {
        if (!alternative.matchesSomething())
            continue;
        if (alternative.words.size() == 1) {
            for (const auto& [id, level] : alternative.matches.front()) {
                sources.push_back({&words_[id].first, std::uint8_t(level * 2)});
                sources.push_back({&words_[id].later, std::uint8_t(level * 2 + 1)});
            }
            continue;
        }
        // Several words: the entries that hold all of them, each at its worst word's level.
        std::vector<Hit> common;
        for (std::size_t j = 0; j < alternative.matches.size(); ++j) {
            std::vector<Hit> hits;
            for (const auto& [id, level] : alternative.matches[j]) {
                for (const Posting& p : words_[id].first)
                    hits.push_back({p.entry, level, 0, p.position});
                for (const Posting& p : words_[id].later)
                    hits.push_back({p.entry, level, 1, p.position});
            }
            std::sort(hits.begin(), hits.end(), byRank);
            hits.erase(std::unique(hits.begin(), hits.end(),
                                   [](const Hit& a, const Hit& b) { return a.entry == b.entry; }),
                       hits.end());
            if (j == 0) {
                common = std::move(hits);
                continue;
            }
            std::vector<Hit> both;
            auto other = hits.begin();
            for (const Hit& hit : common) {
                other = std::lower_bound(other, hits.end(), hit, [this](const Hit& a, const Hit& b) {
                    return rank_[a.entry] < rank_[b.entry];
                });
                if (other != hits.end() && other->entry == hit.entry) {
                    // Words of a name that stand apart ("Oil, corn, peanut, and olive" for
                    // "olive oil") count as found further on.
                    const bool apart = std::abs(int(other->position) - int(hit.position)) > int(j);
                    both.push_back({hit.entry, std::max(hit.level, other->level),
                                    std::uint8_t(std::max(hit.later, other->later) | (apart ? 1 : 0)),
                                    hit.position});
                }
            }
            common = std::move(both);
        }
        std::array<std::vector<Posting>, 8> tiers;
        for (const Hit& hit : common)
            tiers[std::size_t(hit.level * 2 + hit.later)].push_back({hit.entry, hit.position, hit.later});
        for (std::size_t tier = 0; tier < tiers.size(); ++tier) {
            if (tiers[tier].empty())
                continue;
            storage.push_back(std::move(tiers[tier]));
            sources.push_back({&storage.back(), std::uint8_t(tier)});
        }
    }
    return sources;
}

// One concept: the lists merged in the order of (tier, rank), so only as many postings are
// looked at as the reply needs, however many foods hold a common word.
std::vector<std::uint32_t> FoodIndex::bestOfOne(const Concept& wanted, std::size_t maxResults) const
{
    std::deque<std::vector<Posting>> storage;
    const std::vector<Source> sources = sourcesOf(wanted, storage);
    struct Cursor
    {
        std::size_t source;
        std::size_t at;
    };
    // By level, then brands and the like after the others, then the name's first part before
    // the rest, then rank. Every list is in that order already, as ranks put brands last.
    const auto after = [&](const Cursor& a, const Cursor& b) {
        const Source &sa = sources[a.source], &sb = sources[b.source];
        const std::uint32_t ea = (*sa.list)[a.at].entry, eb = (*sb.list)[b.at].entry;
        const auto key = [this](const Source& source, std::uint32_t entry) {
            return std::tuple(source.tier / 2, entries_[entry].plainness >= 1000, source.tier % 2,
                              rank_[entry]);
        };
        return key(sb, eb) < key(sa, ea);
    };
    std::priority_queue<Cursor, std::vector<Cursor>, decltype(after)> next(after);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (!sources[i].list->empty())
            next.push({i, 0});
    }
    std::vector<std::uint32_t> best;
    std::unordered_set<std::uint32_t> taken;
    while (!next.empty() && best.size() < maxResults) {
        Cursor cursor = next.top();
        next.pop();
        const std::vector<Posting>& list = *sources[cursor.source].list;
        if (taken.insert(list[cursor.at].entry).second)
            best.push_back(list[cursor.at].entry);
        if (++cursor.at < list.size())
            next.push(cursor);
    }
    return best;
}

// Several concepts: the entries that match all of them, or else the most of them, ranked by
// how many, how well, how many in the name's first part, then plainness, then whether the words
// stand in the term's order.
std::vector<std::uint32_t> FoodIndex::bestOfMany(const std::vector<Concept>& concepts,
                                                 std::size_t maxResults) const
{
    // Each concept's lists; the foods of a concept in rank order, each with its best match, are
    // made only where they are needed.
    std::vector<std::deque<std::vector<Posting>>> storage(concepts.size());
    std::vector<std::vector<Source>> sources;
    for (std::size_t i = 0; i < concepts.size(); ++i)
        sources.push_back(sourcesOf(concepts[i], storage[i]));
    const auto hitsOf = [&](std::size_t i) {
        std::vector<Hit> hits;
        for (const Source& source : sources[i]) {
            for (const Posting& p : *source.list)
                hits.push_back(
                    {p.entry, std::uint8_t(source.tier / 2), std::uint8_t(source.tier % 2), p.position});
        }
        std::sort(hits.begin(), hits.end(), [this](const Hit& a, const Hit& b) {
            if (rank_[a.entry] != rank_[b.entry])
                return rank_[a.entry] < rank_[b.entry];
            return std::tie(a.level, a.later, a.position) < std::tie(b.level, b.later, b.position);
        });
        hits.erase(std::unique(hits.begin(), hits.end(),
                               [](const Hit& a, const Hit& b) { return a.entry == b.entry; }),
                   hits.end());
        return hits;
    };

    struct Scored
    {
        std::uint64_t key;
        std::uint32_t entry;
    };
    std::vector<Scored> scored;
    std::vector<const Hit*> matched(concepts.size());
    const auto score = [&](std::uint32_t entry) {
        unsigned coverage = 0, levels = 0, inFirstPart = 0, outOfOrder = 0, gaps = 0;
        int lastPosition = -1;
        for (const Hit* hit : matched) {
            if (!hit)
                continue;
            ++coverage;
            levels += hit->level;
            inFirstPart += hit->later ? 0 : 1;
            if (lastPosition >= 0) {
                outOfOrder += hit->position < lastPosition ? 1 : 0;
                gaps += unsigned(std::abs(hit->position - lastPosition) - 1);
            }
            lastPosition = hit->position;
        }
        const Entry& e = entries_[entry];
        const std::uint64_t high =
            std::uint64_t(63 - std::min(coverage, 63u)) << 26 | std::uint64_t(std::min(levels, 63u)) << 20 |
            std::uint64_t(e.plainness >= 1000) << 19 | std::uint64_t(inFirstPart == 0) << 18 |
            std::uint64_t(std::min<unsigned>(e.firstPartWords, 63)) << 12 | std::uint64_t(e.plainness % 1000);
        const std::uint64_t low = std::uint64_t(std::min(outOfOrder * 8 + std::min(gaps, 7u), 63u)) << 26 |
                                  std::min<std::uint32_t>(rank_[entry], (1u << 26) - 1);
        scored.push_back({high << 32 | low, entry});
    };

    // Every concept: walk the rarest one's foods in rank order, and the other concepts' lists
    // along with them, each only as far as the food at hand.
    const auto sizeOf = [&](std::size_t i) {
        std::size_t size = 0;
        for (const Source& source : sources[i])
            size += source.list->size();
        return size;
    };
    std::size_t rarest = 0;
    for (std::size_t i = 1; i < concepts.size(); ++i) {
        if (sizeOf(i) < sizeOf(rarest))
            rarest = i;
    }
    const std::vector<Hit> rarestHits = hitsOf(rarest);
    std::vector<std::vector<std::size_t>> at(concepts.size());
    for (std::size_t i = 0; i < concepts.size(); ++i)
        at[i].assign(sources[i].size(), 0);
    std::vector<Hit> found(concepts.size());
    for (const Hit& hit : rarestHits) {
        const std::uint32_t rank = rank_[hit.entry];
        bool all = true;
        for (std::size_t i = 0; i < concepts.size() && all; ++i) {
            if (i == rarest) {
                found[i] = hit;
                matched[i] = &found[i];
                continue;
            }
            std::optional<Hit> best;
            for (std::size_t s = 0; s < sources[i].size(); ++s) {
                const std::vector<Posting>& list = *sources[i][s].list;
                const auto from = list.begin() + std::ptrdiff_t(at[i][s]);
                const auto next =
                    std::lower_bound(from, list.end(), rank, [this](const Posting& p, std::uint32_t r) {
                        return rank_[p.entry] < r;
                    });
                at[i][s] = std::size_t(next - list.begin());
                if (next == list.end() || next->entry != hit.entry)
                    continue;
                const std::uint8_t tier = sources[i][s].tier;
                const Hit candidate{hit.entry, std::uint8_t(tier / 2), std::uint8_t(tier % 2),
                                    next->position};
                if (!best || std::tie(candidate.level, candidate.later, candidate.position) <
                                 std::tie(best->level, best->later, best->position))
                    best = candidate;
            }
            all = best.has_value();
            if (all) {
                found[i] = *best;
                matched[i] = &found[i];
            }
        }
        if (all)
            score(hit.entry);
    }
    // None holds every word: those that hold the most.
    if (scored.empty()) {
        std::vector<std::vector<Hit>> hits;
        for (std::size_t i = 0; i < concepts.size(); ++i)
            hits.push_back(hitsOf(i));
        std::vector<std::size_t> next(concepts.size(), 0);
        while (true) {
            std::uint32_t lowest = UINT32_MAX, entry = 0;
            for (std::size_t i = 0; i < hits.size(); ++i) {
                if (next[i] < hits[i].size() && rank_[hits[i][next[i]].entry] < lowest) {
                    lowest = rank_[hits[i][next[i]].entry];
                    entry = hits[i][next[i]].entry;
                }
            }
            if (lowest == UINT32_MAX)
                break;
            for (std::size_t i = 0; i < hits.size(); ++i) {
                const bool here = next[i] < hits[i].size() && hits[i][next[i]].entry == entry;
                matched[i] = here ? &hits[i][next[i]++] : nullptr;
            }
            score(entry);
        }
    }

    const std::size_t keep = std::min(maxResults, scored.size());
    std::partial_sort(scored.begin(), scored.begin() + std::ptrdiff_t(keep), scored.end(),
                      [](const Scored& a, const Scored& b) { return a.key < b.key; });
    std::vector<std::uint32_t> best;
    for (std::size_t i = 0; i < keep; ++i)
        best.push_back(scored[i].entry);
    return best;
}

std::string FoodIndex::search(std::string_view term, std::size_t maxResults) const
{
    if (term.size() < 3 || maxResults == 0 || containsSeparator(term))
        return {};
    std::string key = std::to_string(maxResults) + '\n';
    key += term;
    if (std::optional<std::string> known = cachedReply(key))
        return std::move(*known);
    std::uint64_t revision = 0;
    std::string body = answer(term, maxResults, revision);
    remember(std::move(key), body, revision);
    return body;
}

std::optional<std::string> FoodIndex::cachedReply(const std::string& key) const
{
    std::shared_lock lock(cacheMutex_);
    if (cacheRevision_ != revision_.load())
        return std::nullopt;
    const auto found = cache_.find(key);
    if (found == cache_.end())
        return std::nullopt;
    return found->second;
}

void FoodIndex::remember(std::string key, const std::string& body, std::uint64_t revision) const
{
    const std::size_t size = key.size() + body.size();
    if (size > cacheLimit_)
        return;
    std::unique_lock lock(cacheMutex_);
    if (revision < cacheRevision_)
        return; // the index has changed since this reply was made
    if (revision > cacheRevision_ || cacheBytes_ + size > cacheLimit_) {
        cache_.clear();
        cacheBytes_ = 0;
        cacheRevision_ = revision;
    }
    cacheBytes_ += size;
    cache_.emplace(std::move(key), body);
}

std::string FoodIndex::answer(std::string_view term, std::size_t maxResults, std::uint64_t& revision) const
{
    std::vector<std::string> words = termWords(term);
    // A term of thousands of words is no food's name; the first few decide.
    if (words.size() > 16)
        words.resize(16);

    std::shared_lock lock(mutex_);
    revision = revision_.load();
    if (words.empty())
        return {};
    const std::vector<Concept> concepts = parse(words);
    if (std::none_of(concepts.begin(), concepts.end(), [](const Concept& c) { return c.matchesSomething(); }))
        return {};
    std::vector<std::uint32_t> best;
    if (concepts.size() == 1) {
        best = bestOfOne(concepts.front(), maxResults);
    } else {
        best = bestOfMany(concepts, maxResults);
    }
    std::string body;
    for (std::uint32_t entry : best)
        body += entries_[entry].record;
    return body;
}

} // namespace foodserver
