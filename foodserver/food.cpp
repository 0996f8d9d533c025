#include "foodserver/food.h"

#include "foodserver/text.h"

#include <charconv>
#include <cmath>

namespace foodserver {

namespace {

void appendField(std::string& out, std::string_view field)
{
    out.append(field);
    out.push_back(kFieldEnd);
}

void appendNumber(std::string& out, float value)
{
    appendField(out, generalNumber(value));
}

} // namespace

std::string generalNumber(float value)
{
    if (!std::isfinite(value) || value == 0.0f)
        return "0";
    char buffer[32];
    // Seven significant digits as C's %.7G writes them, whatever the process locale.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

std::string formatRecord(const Food& food)
{
    std::string out;
    out.reserve(food.name.size() + 80);
    appendField(out, food.name);
    appendField(out, std::to_string(food.id));
    const FoodValues& v = food.values;
    for (float value : {v.kj, v.kcal, v.unsaturatedFat, v.saturatedFat, v.carbohydrates, v.protein, v.sodium})
        appendNumber(out, value);
    appendField(out, food.checked ? "j" : "n");
    out.push_back(kRecordEnd);
    return out;
}

} // namespace foodserver
