// The reference server's request handling: target and query decoding, and
// the check of a submitted food.
//
// Checked for every input (a request target):
// - percent decoding never grows a text, leaves a text without "%" as it is
//   and undoes an encoding of every byte;
// - the query's pairs are exactly its non-empty "&"-separated items, split at
//   their first "=" and decoded; a key's value is that of its first pair;
// - the path is the decoded text before the first "?";
// - an accepted submission has a name of 1 to 100 bytes without separators
//   or control bytes, and seven finite values of 0 or more within the
//   limits; a refused one says why, starting with "ERROR".
// - the input as a search term, whatever its bytes, gives a well-formed reply: at most 200
//   distinct records of the table, each as the table holds it, and the same reply every time.
#include "foodserver/dataset.h"
#include "foodserver/foodindex.h"
#include "foodserver/query.h"
#include "foodserver/submission.h"
#include "fuzz/fuzzsupport.h"

#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_set>

using namespace foodserver;

namespace {

std::string encodeAll(std::string_view bytes)
{
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        out += '%';
        out += hex[c >> 4];
        out += hex[c & 15];
    }
    return out;
}

bool withinLimits(const FoodValues& v)
{
    for (float g : {v.unsaturatedFat, v.saturatedFat, v.carbohydrates, v.protein, v.sodium})
        if (!std::isfinite(g) || g < 0 || g > kMaxGrams)
            return false;
    return std::isfinite(v.kj) && v.kj >= 0 && v.kj <= kMaxKj && std::isfinite(v.kcal) && v.kcal >= 0;
}

struct SearchTable
{
    std::unique_ptr<FoodIndex> index;
    std::unordered_set<std::string> records;
};

const SearchTable& searchTable()
{
    static const SearchTable table = [] {
        std::vector<Food> foods;
        std::string error;
        OtherNames otherNames;
        if (!parseTable(bundledTable("ifct2017"), foods, error) ||
            !otherNames.read(OtherNames::bundled(), error))
            fuzzsupport::fail(__FILE__, __LINE__, error.c_str());
        // Replies are not remembered, so the second search of a term is searched again.
        SearchTable made{std::make_unique<FoodIndex>(std::move(otherNames), 0), {}};
        for (std::size_t i = 0; i < foods.size(); ++i) {
            foods[i].id = std::int64_t(i + 1);
            made.records.insert(formatRecord(foods[i]));
        }
        made.index->addAll(foods);
        return made;
    }();
    return table;
}

void checkSearch(std::string_view term)
{
    const SearchTable& table = searchTable();
    const std::string reply = table.index->search(term, 200);
    FUZZ_CHECK(reply == table.index->search(term, 200));
    std::set<std::string_view> seen;
    std::string_view rest = reply;
    while (!rest.empty()) {
        const auto end = rest.find('\xBC');
        FUZZ_CHECK(end != std::string_view::npos);
        const std::string_view record = rest.substr(0, end + 1);
        FUZZ_CHECK(table.records.contains(std::string(record)));
        FUZZ_CHECK(seen.insert(record).second);
        rest.remove_prefix(end + 1);
    }
    FUZZ_CHECK(seen.size() <= 200);
    if (term.size() < 3)
        FUZZ_CHECK(reply.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view target(reinterpret_cast<const char*>(data), size);

    checkSearch(target);

    const std::string decoded = percentDecode(target);
    FUZZ_CHECK(decoded.size() <= target.size());
    if (target.find('%') == std::string_view::npos)
        FUZZ_CHECK(decoded == target);
    FUZZ_CHECK(percentDecode(encodeAll(target)) == target);

    const auto question = target.find('?');
    const Target parsed = parseTarget(target);
    FUZZ_CHECK(parsed.path == percentDecode(target.substr(0, question)));
    const std::string_view query =
        question == std::string_view::npos ? std::string_view() : target.substr(question + 1);

    // The pairs, counted and compared item by item.
    const QueryParams params(query);
    std::size_t expected = 0;
    std::string_view rest = query;
    bool more = !rest.empty();
    while (more) {
        const auto amp = rest.find('&');
        const std::string_view item = rest.substr(0, amp);
        more = amp != std::string_view::npos;
        rest = more ? rest.substr(amp + 1) : std::string_view();
        if (item.empty())
            continue;
        FUZZ_CHECK(expected < params.pairs().size());
        const auto eq = item.find('=');
        const auto& [key, value] = params.pairs()[expected];
        FUZZ_CHECK(key == percentDecode(item.substr(0, eq)));
        FUZZ_CHECK(value ==
                   (eq == std::string_view::npos ? std::string() : percentDecode(item.substr(eq + 1))));
        FUZZ_CHECK(params.value(key).has_value());
        ++expected;
    }
    FUZZ_CHECK(params.pairs().size() == expected);
    if (!params.pairs().empty())
        FUZZ_CHECK(params.value(params.pairs().front().first) == params.pairs().front().second);

    // The submission check sees the same query.
    const SubmissionCheck check = checkSubmission(params);
    if (check.accepted) {
        const std::string& name = check.submission.name;
        FUZZ_CHECK(!name.empty() && name.size() <= kMaxNameLength);
        for (const char ch : name) {
            const auto c = static_cast<unsigned char>(ch);
            FUZZ_CHECK(c >= 0x20 && c != 0x7F && c != 0xBC && c != 0xBD && c != 0xBE);
        }
        FUZZ_CHECK(check.submission.remarks.size() <= kMaxNoteLength);
        FUZZ_CHECK(check.submission.sender.size() <= kMaxNoteLength);
        FUZZ_CHECK(withinLimits(check.submission.values));
    } else {
        FUZZ_CHECK(check.refusal.rfind("ERROR", 0) == 0);
    }
    return 0;
}
