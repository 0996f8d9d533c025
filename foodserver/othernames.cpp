#include "foodserver/othernames.h"

#include "foodserver/text.h"
#include "foodserver/words.h"

// The list is linked in as it is, like the bundled food tables.
__asm__(".section .rodata\n"
        ".global foodserver_othernames_begin\nfoodserver_othernames_begin:\n"
        ".incbin \"" FOODSERVER_DATA_DIR "/othernames.tsv\"\n"
        ".global foodserver_othernames_end\nfoodserver_othernames_end:\n"
        ".byte 0\n"
        ".previous\n");
extern "C" const char foodserver_othernames_begin[];
extern "C" const char foodserver_othernames_end[];

namespace foodserver {

namespace {

std::string joined(const std::vector<std::string>& words)
{
    std::string key;
    for (const std::string& word : words)
        key += (key.empty() ? "" : " ") + word;
    return key;
}

// The folded words of one column, or an empty list when it holds none or too many.
bool phraseOf(std::string_view utf8, OtherNames::Phrase& phrase)
{
    std::string cp1252;
    if (!fromUtf8(utf8, cp1252))
        return false;
    phrase = termWords(cp1252);
    return !phrase.empty() && phrase.size() <= OtherNames::kLongestKey;
}

} // namespace

std::string_view OtherNames::bundled()
{
    return {foodserver_othernames_begin,
            std::size_t(foodserver_othernames_end - foodserver_othernames_begin)};
}

bool OtherNames::read(std::string_view text, std::string& error)
{
    int lineNumber = 0;
    while (!text.empty()) {
        std::string_view line = takeLine(text);
        ++lineNumber;
        if (line.empty() || line.front() == '#' || line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        std::vector<Phrase> columns;
        while (true) {
            const auto tab = line.find('\t');
            Phrase phrase;
            if (!phraseOf(line.substr(0, tab), phrase)) {
                error = "line " + std::to_string(lineNumber) +
                        ": each column must hold one to three words Windows-1252 can write";
                return false;
            }
            columns.push_back(std::move(phrase));
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
        }
        if (columns.size() < 2) {
            error = "line " + std::to_string(lineNumber) +
                    ": the typed words need at least one other name after a tab";
            return false;
        }
        const std::string key = joined(columns.front());
        std::vector<Phrase>& names = byKey_[key];
        names.insert(names.end(), columns.begin() + 1, columns.end());
        if (columns.front().size() == 1) {
            englishStems_.emplace(englishStem(key), key);
            dutchStems_.emplace(dutchStem(key), key);
        }
    }
    return true;
}

std::vector<std::string> OtherNames::oneWordKeys() const
{
    std::vector<std::string> keys;
    for (const auto& [key, names] : byKey_) {
        if (key.find(' ') == std::string::npos)
            keys.push_back(key);
    }
    return keys;
}

const std::vector<OtherNames::Phrase>* OtherNames::lookUp(const std::vector<std::string>& words) const
{
    auto found = byKey_.find(joined(words));
    if (found == byKey_.end() && words.size() == 1) {
        for (const auto* stems : {&englishStems_, &dutchStems_}) {
            const auto key =
                stems->find(stems == &englishStems_ ? englishStem(words[0]) : dutchStem(words[0]));
            if (key != stems->end()) {
                found = byKey_.find(key->second);
                break;
            }
        }
    }
    return found == byKey_.end() ? nullptr : &found->second;
}

} // namespace foodserver
