#include "foodserver/words.h"

#include <xapian.h>

#include <algorithm>
#include <array>

namespace foodserver {

namespace {

// What each Windows-1252 byte becomes in a folded word: "" for a byte between words.
const std::array<std::string_view, 256> kFolded = [] {
    std::array<std::string_view, 256> table{};
    static const std::array<char, 256> single = [] {
        std::array<char, 256> bytes{};
        for (std::size_t i = 0; i < 256; ++i)
            bytes[i] = static_cast<char>(i);
        return bytes;
    }();
    static constexpr std::string_view lower = "abcdefghijklmnopqrstuvwxyz";
    auto letter = [](char c) { return std::string_view(&lower[std::size_t(c - 'a')], 1); };
    for (std::size_t c = '0'; c <= '9'; ++c)
        table[c] = std::string_view(&single[c], 1);
    for (std::size_t c = 'a'; c <= 'z'; ++c)
        table[c] = std::string_view(&single[c], 1);
    for (std::size_t c = 'A'; c <= 'Z'; ++c)
        table[c] = letter(static_cast<char>(c + 0x20));
    // Latin-1 letters by their base letter, upper (C0..DF) and lower case (E0..FF) alike; the
    // marked places are the signs and the letters folded to two letters below.
    static constexpr std::string_view bases = "aaaaaa?ceeeeiiiidnooooo_ouuuuy??";
    for (std::size_t i = 0; i < bases.size(); ++i) {
        if (bases[i] == '_' || bases[i] == '?')
            continue;
        table[0xC0 + i] = letter(bases[i]);
        table[0xE0 + i] = letter(bases[i]);
    }
    table[0xC6] = table[0xE6] = "ae";
    table[0xDE] = table[0xFE] = "th";
    table[0xDF] = "ss";
    table[0xFF] = letter('y');
    table[0x8A] = table[0x9A] = letter('s'); // S caron
    table[0x8E] = table[0x9E] = letter('z'); // Z caron
    table[0x8C] = table[0x9C] = "oe";
    table[0x9F] = letter('y');
    table[0x83] = letter('f'); // f hook
    return table;
}();

// Calls emit(folded word, the word's bytes, the byte after it) for every word, and with an empty
// word for every byte between words that follows another such byte.
template <typename Emit> void splitWords(std::string_view text, Emit emit)
{
    std::string word;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view folded = kFolded[static_cast<unsigned char>(text[i])];
        if (!folded.empty()) {
            if (word.empty())
                start = i;
            word += folded;
            continue;
        }
        emit(word, word.empty() ? std::string_view() : text.substr(start, i - start), text[i]);
        word.clear();
    }
    if (!word.empty())
        emit(word, text.substr(start), '\0');
}

bool isCapital(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7);
}

bool isSmall(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'a' && byte <= 'z') || (byte >= 0xDF && byte != 0xF7);
}

} // namespace

std::vector<std::string> termWords(std::string_view cp1252Term)
{
    std::vector<std::string> words;
    splitWords(cp1252Term, [&](const std::string& word, std::string_view, char) {
        if (!word.empty())
            words.push_back(word);
    });
    return words;
}

std::vector<NameWord> nameWords(std::string_view cp1252Name)
{
    std::vector<NameWord> words;
    std::size_t segment = 0;
    int depth = 0;
    splitWords(cp1252Name, [&](const std::string& word, std::string_view raw, char after) {
        if (!word.empty()) {
            const bool allCapitals = raw.size() >= 2 && std::none_of(raw.begin(), raw.end(), isSmall) &&
                                     std::any_of(raw.begin(), raw.end(), isCapital);
            words.push_back({word, std::uint8_t(std::min<std::size_t>(words.size(), 255)),
                             std::uint8_t(std::min<std::size_t>(segment, 255)), depth > 0,
                             isCapital(raw.front()), allCapitals});
        }
        if (after == ',' && depth == 0)
            ++segment;
        else if (after == '(')
            ++depth;
        else if (after == ')')
            depth = std::max(0, depth - 1);
    });
    return words;
}

std::string englishStem(const std::string& word)
{
    thread_local Xapian::Stem stemmer("english");
    return stemmer(word);
}

std::string dutchStem(const std::string& word)
{
    thread_local Xapian::Stem stemmer("dutch");
    return stemmer(word);
}

} // namespace foodserver
