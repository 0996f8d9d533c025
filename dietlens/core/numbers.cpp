#include "dietlens/core/numbers.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\n');
}

// The leading numeric part of a text, split into what std::from_chars takes
// (no leading '+') and the facts needed to judge an out-of-range result.
struct NumericPrefix
{
    std::string text; // e.g. "-12.5e-3"
    bool negative = false;
    bool hasDigits = false;   // at least one mantissa digit
    bool plainInteger = true; // no decimal point and no exponent
    qint64 magnitude = 0;     // significant whole digits + exponent (rough order of magnitude)
};

NumericPrefix scanNumber(QStringView t)
{
    NumericPrefix p;
    qsizetype i = 0;
    const qsizetype n = t.size();
    while (i < n && isBlank(t[i]))
        ++i;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        p.negative = t[i] == QLatin1Char('-');
        if (p.negative)
            p.text += '-';
        ++i;
    }
    qint64 wholeDigits = 0; // significant whole digits (leading zeros not counted)
    while (i < n && isDigit(t[i])) {
        if (wholeDigits > 0 || t[i] != QLatin1Char('0'))
            ++wholeDigits;
        p.text += char(t[i].unicode());
        p.hasDigits = true;
        ++i;
    }
    if (i < n && t[i] == QLatin1Char('.')) {
        p.plainInteger = false;
        p.text += '.';
        ++i;
        while (i < n && isDigit(t[i])) {
            p.text += char(t[i].unicode());
            p.hasDigits = true;
            ++i;
        }
    }
    p.magnitude = wholeDigits;
    if (!p.hasDigits)
        return p;
    if (i < n && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        qsizetype j = i + 1;
        bool expNegative = false;
        if (j < n && (t[j] == QLatin1Char('+') || t[j] == QLatin1Char('-'))) {
            expNegative = t[j] == QLatin1Char('-');
            ++j;
        }
        if (j < n && isDigit(t[j])) {
            p.plainInteger = false;
            p.text += 'e';
            if (expNegative)
                p.text += '-';
            qint64 exponent = 0;
            while (j < n && isDigit(t[j])) {
                p.text += char(t[j].unicode());
                exponent = std::min<qint64>(exponent * 10 + (t[j].unicode() - '0'), 1'000'000'000);
                ++j;
            }
            p.magnitude += expNegative ? -exponent : exponent;
        }
    }
    return p;
}

double prefixValue(const NumericPrefix& p)
{
    if (!p.hasDigits)
        return 0.0;
    double value = 0.0;
    const char* begin = p.text.data();
    const char* end = begin + p.text.size();
    const auto result = std::from_chars(begin, end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        const double limit = p.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return p.negative ? -limit : limit;
    }
    if (result.ec != std::errc())
        return 0.0;
    return value;
}

// Decimal digits of a positive finite value in scientific form: the digits
// without the point and the exponent of the first digit.
void scientificDigits(double value, int significant, std::string& digits, int& exponent)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
    const std::string text(buffer, result.ptr);
    const auto e = text.find('e');
    digits.clear();
    for (size_t k = 0; k < e; ++k) {
        if (text[k] != '.')
            digits += text[k];
    }
    exponent = std::stoi(text.substr(e + 1));
}

qint64 saturatedFromDouble(double d)
{
    if (std::isnan(d))
        return 0;
    if (d >= 9.2233720368547758e18)
        return std::numeric_limits<qint64>::max();
    if (d <= -9.2233720368547758e18)
        return std::numeric_limits<qint64>::min();
    return qint64(std::llround(d));
}

} // namespace

double Val(QStringView text)
{
    return prefixValue(scanNumber(text));
}

QString GeneralNumber(float value)
{
    if (!std::isfinite(value) || value == 0.0f)
        return QStringLiteral("0");
    char buffer[64];
    // Seven significant digits as C's %.7G would write them, independent of
    // the process locale.
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    QString out = QString::fromLatin1(buffer, result.ptr - buffer);
    out.replace(QLatin1Char('e'), QLatin1Char('E'));
    return out;
}

QString FormatNumber(double value, QStringView pattern, QChar decimalSeparator)
{
    if (!std::isfinite(value))
        return {};

    // Pattern: whole part, optional point, decimal part.
    int requiredWhole = 0;
    int decimals = 0;
    int requiredDecimals = 0;
    bool inDecimals = false;
    for (QChar c : pattern) {
        if (c == QLatin1Char('.') && !inDecimals) {
            inDecimals = true;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (inDecimals) {
                ++decimals;
                if (c == QLatin1Char('0'))
                    requiredDecimals = decimals;
            } else if (c == QLatin1Char('0')) {
                ++requiredWhole;
            }
        }
    }

    // The value's decimal digits, scaled so that the last one is the
    // pattern's last place: value = scaled * 10^-decimals.
    std::string scaled;
    const double magnitude = std::fabs(value);
    if (magnitude > 0.0) {
        std::string digits;
        int exponent = 0;
        scientificDigits(magnitude, 17, digits, exponent);
        // Seven significant digits, or as many as there are whole digits.
        const int significant = std::clamp(exponent + 1, 7, 17);
        scientificDigits(magnitude, significant, digits, exponent);
        const int keep = exponent + decimals + 1; // digits down to the last place
        if (keep >= int(digits.size())) {
            scaled = digits + std::string(size_t(keep) - digits.size(), '0');
        } else if (keep >= 0) {
            scaled = digits.substr(0, size_t(keep));
            if (digits[size_t(keep)] >= '5') {
                int k = int(scaled.size()) - 1;
                while (k >= 0 && scaled[size_t(k)] == '9')
                    scaled[size_t(k--)] = '0';
                if (k < 0)
                    scaled.insert(scaled.begin(), '1');
                else
                    ++scaled[size_t(k)];
            }
        }
    }

    std::string whole;
    std::string fraction;
    if (int(scaled.size()) > decimals) {
        whole = scaled.substr(0, scaled.size() - size_t(decimals));
        fraction = scaled.substr(scaled.size() - size_t(decimals));
    } else {
        fraction = std::string(size_t(decimals) - scaled.size(), '0') + scaled;
    }
    const auto firstNonZero = whole.find_first_not_of('0');
    whole.erase(0, firstNonZero == std::string::npos ? whole.size() : firstNonZero);
    if (int(whole.size()) < requiredWhole)
        whole.insert(0, size_t(requiredWhole) - whole.size(), '0');
    while (int(fraction.size()) > requiredDecimals && fraction.back() == '0')
        fraction.pop_back();

    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
    QString out;
    if (value < 0 && !isZero)
        out += QLatin1Char('-');
    out += QString::fromLatin1(whole.data(), qsizetype(whole.size()));
    if (!fraction.empty()) {
        out += decimalSeparator;
        out += QString::fromLatin1(fraction.data(), qsizetype(fraction.size()));
    }
    return out;
}

QString FormatNumber(double value, QStringView pattern)
{
    return FormatNumber(value, pattern, RegionalDecimalSeparator());
}

QString FormatFixed(double value, QChar decimalSeparator)
{
    return FormatNumber(value, u"0.00", decimalSeparator);
}

QString FormatFixed(double value)
{
    return FormatFixed(value, RegionalDecimalSeparator());
}

QChar RegionalDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.front();
}

qint64 CounterValue(QStringView text)
{
    const NumericPrefix p = scanNumber(text);
    if (!p.hasDigits)
        return 0;
    if (!p.plainInteger)
        return saturatedFromDouble(prefixValue(p));
    qint64 value = 0;
    const auto result = std::from_chars(p.text.data(), p.text.data() + p.text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return p.negative ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return value;
}

QString AddToCounter(QStringView text, qint64 amount)
{
    const qint64 current = CounterValue(text);
    qint64 sum = 0;
    if (__builtin_add_overflow(current, amount, &sum))
        sum = amount > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return QString::number(sum);
}
