#include "food.h"

#include "dietlens/core/numbers.h"
#include "text.h"

namespace foodserver {

namespace {

void appendField(std::string& out, std::string_view field)
{
    out.append(field);
    out.push_back(kFieldEnd);
}

void appendNumber(std::string& out, float value)
{
    // General number text is plain ASCII: digits, sign, "." and "E".
    appendField(out, GeneralNumber(value).toStdString());
}

} // namespace

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
