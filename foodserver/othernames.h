#pragma once
// Other names people type for foods, and what the food tables call them: everyday and regional
// English ("cilantro", "aubergine") and Dutch ("kaas", "volkoren"). Read from a tab-separated
// list: the typed words, then one or more names the tables use.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace foodserver {

class OtherNames
{
public:
    using Phrase = std::vector<std::string>; // folded words

    // Reads the list (UTF-8). Returns false with a message naming the line on a line that does
    // not fit; comment lines start with '#'.
    bool read(std::string_view utf8Text, std::string& error);
    // The list that comes with the program.
    static std::string_view bundled();

    // What the tables call the typed words (one to three folded words), or nullptr. A single
    // word is also found by its English or Dutch stem ("aardbeien" finds "aardbei").
    const std::vector<Phrase>* lookUp(const std::vector<std::string>& words) const;
    // The keys of one word, for the list of words a typing error is corrected to.
    std::vector<std::string> oneWordKeys() const;

    static constexpr std::size_t kLongestKey = 3;

private:
    std::unordered_map<std::string, std::vector<Phrase>> byKey_; // words joined by blanks
    std::unordered_map<std::string, std::string> englishStems_;  // stem of a one-word key -> key
    std::unordered_map<std::string, std::string> dutchStems_;
};

} // namespace foodserver
