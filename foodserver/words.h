#pragma once
// Words of food names and search terms, as the search compares them: Windows-1252 text split
// at everything that is not a letter or a digit, case and accents folded ("Crème" -> "creme").
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace foodserver {

struct NameWord
{
    std::string text;      // folded
    std::uint8_t position; // index among the name's words (capped at 255)
    std::uint8_t segment;  // index of the comma-separated part it stands in (capped at 255)
    bool bracketed;        // inside brackets: a remark, "(includes USDA commodity ...)"
    bool capitalised;      // written with a capital first letter
    bool inCapitals;       // two letters or more, all capitals: "PEPPERIDGE"
};

// The words of a search term, in order.
std::vector<std::string> termWords(std::string_view cp1252Term);

// The words of a food name with where they stand; a comma starts the next part.
std::vector<NameWord> nameWords(std::string_view cp1252Name);

// Snowball stems. Each thread has its own stemmers, so these are safe from any thread.
std::string englishStem(const std::string& word);
std::string dutchStem(const std::string& word);

} // namespace foodserver
