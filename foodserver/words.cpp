#include "words.h"

#include <xapian.h>

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

template <typename Emit> void splitWords(std::string_view text, Emit emit)
{
    std::string word;
    for (char c : text) {
        const std::string_view folded = kFolded[static_cast<unsigned char>(c)];
        if (!folded.empty()) {
            word += folded;
            continue;
        }
        if (!word.empty()) {
            emit(word, c);
            word.clear();
        } else {
            emit(std::string(), c);
        }
    }
    if (!word.empty())
        emit(word, '\0');
}

} // namespace

std::string foldWord(std::string_view cp1252Word)
{
    std::string out;
    for (char c : cp1252Word)
        out += kFolded[static_cast<unsigned char>(c)];
    return out;
}

std::vector<std::string> termWords(std::string_view cp1252Term)
{
    std::vector<std::string> words;
    splitWords(cp1252Term, [&](const std::string& word, char) {
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
    splitWords(cp1252Name, [&](const std::string& word, char after) {
        if (!word.empty())
            words.push_back({word, std::uint8_t(std::min<std::size_t>(words.size(), 255)),
                             std::uint8_t(std::min<std::size_t>(segment, 255)), depth > 0});
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
