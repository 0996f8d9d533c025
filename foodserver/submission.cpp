#include "foodserver/submission.h"

#include "foodserver/text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace foodserver {

namespace {

constexpr double kKjPerKcal = 4.184;

enum class Parsed { Missing, Empty, Invalid, Ok };

// A decimal number, "." or "," as decimal point, optional sign and exponent, blanks around it.
Parsed parseNumber(const std::optional<std::string>& raw, double& value)
{
    if (!raw)
        return Parsed::Missing;
    std::string text = *raw;
    std::replace(text.begin(), text.end(), ',', '.');
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return Parsed::Empty;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.front() == '+')
        text.erase(0, 1);
    const char* begin = text.data();
    const char* end = begin + text.size();
    // from_chars also takes "inf" and "nan"; only digits may start a number here.
    const char* digits = begin + (text.front() == '-' ? 1 : 0);
    if (digits == end || !(std::isdigit(static_cast<unsigned char>(*digits)) || *digits == '.'))
        return Parsed::Invalid;
    auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return Parsed::Invalid;
    return Parsed::Ok;
}

struct ValueKey
{
    const char* key;
    float FoodValues::*member;
    double maximum;
};

} // namespace

SubmissionCheck checkSubmission(const QueryParams& query)
{
    SubmissionCheck check;
    auto refuse = [&](std::string reason) {
        check.refusal = "ERROR " + std::move(reason);
        return check;
    };

    const auto rawName = query.value("naam");
    if (!rawName)
        return refuse("name missing");
    Submission& s = check.submission;
    s.name = cleanField(*rawName);
    if (s.name.empty())
        return refuse("name missing");
    if (s.name.size() > kMaxNameLength)
        return refuse("name longer than 100 characters");

    const ValueKey keys[] = {
        {"kj", &FoodValues::kj, double(kMaxKj)},
        {"kcal", &FoodValues::kcal, double(kMaxKj) / kKjPerKcal},
        {"vvet", &FoodValues::saturatedFat, double(kMaxGrams)},
        {"ovet", &FoodValues::unsaturatedFat, double(kMaxGrams)},
        {"kdr", &FoodValues::carbohydrates, double(kMaxGrams)},
        {"ew", &FoodValues::protein, double(kMaxGrams)},
        {"nat", &FoodValues::sodium, double(kMaxGrams)},
    };
    bool given[7] = {};
    double values[7] = {};
    for (int i = 0; i < 7; ++i) {
        const std::string key = keys[i].key;
        switch (parseNumber(query.value(key), values[i])) {
        case Parsed::Missing:
            return refuse(key + " missing");
        case Parsed::Empty:
            if (i >= 2)
                return refuse(key + " missing");
            break;
        case Parsed::Invalid:
            return refuse(key + " is not a number");
        case Parsed::Ok:
            given[i] = true;
            if (values[i] < 0)
                return refuse(key + " is negative");
            if (i != 1 && values[i] > keys[i].maximum)
                return refuse(key + (i == 0 ? " above 4000 kJ per 100 g" : " above 100 g per 100 g"));
            break;
        }
    }
    if (!given[0] && !given[1])
        return refuse("kj missing");
    if (!given[0])
        values[0] = values[1] * kKjPerKcal;
    if (!given[1])
        values[1] = values[0] / kKjPerKcal;
    if (values[0] > double(kMaxKj))
        return refuse("kcal above 4000 kJ per 100 g");
    const double expectedKcal = values[0] / kKjPerKcal;
    if (std::fabs(values[1] - expectedKcal) > std::max(0.1 * expectedKcal, 1.0))
        return refuse("kcal does not match kj");

    for (int i = 0; i < 7; ++i)
        s.values.*(keys[i].member) = float(values[i]);
    s.remarks = cleanField(query.value("opmerking").value_or(std::string())).substr(0, kMaxNoteLength);
    s.sender = cleanField(query.value("gepost").value_or(std::string())).substr(0, kMaxNoteLength);
    check.accepted = true;
    return check;
}

} // namespace foodserver
