#include "foodserver/dataset.h"

#include "foodserver/text.h"

#include <charconv>

// The tables are linked in as they are; the assembler includes the files.
#define FOODSERVER_EMBED(symbol, path)                                                                       \
    __asm__(".section .rodata\n"                                                                             \
            ".global " #symbol "_begin\n" #symbol "_begin:\n"                                                \
            ".incbin \"" path "\"\n"                                                                         \
            ".global " #symbol "_end\n" #symbol "_end:\n"                                                    \
            ".byte 0\n"                                                                                      \
            ".previous\n")

FOODSERVER_EMBED(foodserver_usda, FOODSERVER_DATA_DIR "/usda-sr28.tsv");
FOODSERVER_EMBED(foodserver_ifct, FOODSERVER_DATA_DIR "/ifct2017.tsv");

extern "C" const char foodserver_usda_begin[];
extern "C" const char foodserver_usda_end[];
extern "C" const char foodserver_ifct_begin[];
extern "C" const char foodserver_ifct_end[];

namespace foodserver {

namespace {

bool parseValue(std::string_view text, float& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= 0;
}

} // namespace

std::vector<std::string_view> datasetNames()
{
    return {"usda-sr28", "ifct2017"};
}

std::string_view bundledTable(std::string_view name)
{
    if (name == "usda-sr28")
        return {foodserver_usda_begin, std::size_t(foodserver_usda_end - foodserver_usda_begin)};
    if (name == "ifct2017")
        return {foodserver_ifct_begin, std::size_t(foodserver_ifct_end - foodserver_ifct_begin)};
    return {};
}

bool parseTable(std::string_view tsv, std::vector<Food>& foods, std::string& error)
{
    int lineNumber = 0;
    while (!tsv.empty()) {
        std::string_view line = takeLine(tsv);
        ++lineNumber;
        if (lineNumber == 1 || line.empty())
            continue; // header

        std::vector<std::string_view> fields;
        while (true) {
            const auto tab = line.find('\t');
            fields.push_back(line.substr(0, tab));
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
        }
        const std::string where = "line " + std::to_string(lineNumber);
        if (fields.size() != 8) {
            error = where + ": expected 8 fields, found " + std::to_string(fields.size());
            return false;
        }
        Food food;
        if (!fromUtf8(fields[0], food.name) || containsSeparator(food.name) ||
            cleanField(food.name).empty() || cleanField(food.name) != food.name) {
            error = where + ": the name cannot be a field of a reply record";
            return false;
        }
        FoodValues& v = food.values;
        float* targets[] = {&v.kj,      &v.kcal,  &v.unsaturatedFat, &v.saturatedFat, &v.carbohydrates,
                            &v.protein, &v.sodium};
        for (std::size_t i = 0; i < 7; ++i) {
            if (!parseValue(fields[i + 1], *targets[i])) {
                error = where + ": value " + std::to_string(i + 1) + " is not a number of 0 or more";
                return false;
            }
        }
        foods.push_back(std::move(food));
    }
    return true;
}

} // namespace foodserver
