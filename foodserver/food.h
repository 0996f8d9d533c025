#pragma once
// A food as the server holds it, and its record in a search reply.
#include <cstdint>
#include <string>
#include <string_view>

namespace foodserver {

// Values per 100 g: energy in kJ and kcal, the rest in grams.
struct FoodValues
{
    float kj = 0;
    float kcal = 0;
    float unsaturatedFat = 0;
    float saturatedFat = 0;
    float carbohydrates = 0;
    float protein = 0;
    float sodium = 0;
};

struct Food
{
    std::int64_t id = 0;
    std::string name; // Windows-1252 bytes, no separators
    FoodValues values;
    bool checked = true; // reference data; false for a submission nobody has checked yet
};

// A value as a record field: seven significant digits, exponent as "1E-05"; "0" for 0 and for
// values that are not finite.
std::string generalNumber(float value);

// name½id½kJ½kcal½unsaturated½saturated½carbohydrates½protein½sodium½j|n½¼ in Windows-1252,
// numbers in general number text.
std::string formatRecord(const Food& food);

} // namespace foodserver
