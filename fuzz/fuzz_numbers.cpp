// The number helpers: reading the leading numeric part of a text, the general
// number text of a float, format patterns and the 64-bit counters.
//
// The first input byte picks the helper, the rest is its input. Checked:
// - Val never gives NaN; its value as a float, written in general number text
//   and read again, comes back as a float within the seven written digits
//   (the text itself need not come back: seven digits do not name every
//   float, so "1E+28" reads as the float just below and is written
//   "9.999999E+27");
// - the general number text of any finite float reads back within seven
//   significant digits, holds no "," and stays short; not finite gives "0";
// - a pattern's result holds only a sign, digits and one ".", no more
//   decimals than the pattern has places, and reads back within half its last
//   place (plus the seven-digit rounding of the value);
// - "Fixed" always has two decimals;
// - a counter plus an amount is the saturated 64-bit sum, as text, and reads
//   back as that sum.
#include "dietlens/core/numbers.h"
#include "files/cp1252.h"
#include "fuzz/fuzzsupport.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

template <typename T> T take(const QByteArray& bytes, qsizetype offset)
{
    T value{};
    if (bytes.size() >= offset + qsizetype(sizeof(T)))
        std::memcpy(&value, bytes.constData() + offset, sizeof(T));
    return value;
}

bool onlyNumberCharacters(const QString& s, QChar point)
{
    int points = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == point)
            ++points;
        else if (c == QLatin1Char('-'))
            FUZZ_CHECK(i == 0);
        else if (!c.isDigit() || c.unicode() > 127)
            return false;
    }
    return points <= 1;
}

void valAndGeneralNumber(const QByteArray& payload)
{
    const QString text = cp1252::decode(payload);
    const double v = Val(text);
    FUZZ_CHECK(!std::isnan(v));
    const float f = float(v);
    const QString once = GeneralNumber(f);
    FUZZ_CHECK(!once.contains(QLatin1Char(',')));
    if (!std::isfinite(f)) {
        FUZZ_CHECK(once == QStringLiteral("0"));
        return;
    }
    const float back = float(Val(once));
    FUZZ_CHECK(std::fabs(double(back) - double(f)) <= std::fabs(double(f)) * 6e-7 + 1e-44);
}

void generalNumberOfFloat(const QByteArray& payload)
{
    const float f = take<float>(payload, 0);
    const QString text = GeneralNumber(f);
    FUZZ_CHECK(text.size() <= 16);
    FUZZ_CHECK(!text.contains(QLatin1Char(',')));
    if (!std::isfinite(f)) {
        FUZZ_CHECK(text == QStringLiteral("0"));
        return;
    }
    const float back = float(Val(text));
    FUZZ_CHECK(std::fabs(double(back) - double(f)) <= std::fabs(double(f)) * 6e-7 + 1e-44);
}

void formatPattern(const QByteArray& payload)
{
    if (payload.size() < 9)
        return;
    const double value = take<double>(payload, 0);
    QString pattern;
    bool point = false;
    for (qsizetype i = 8; i < payload.size() && pattern.size() < 14; ++i) {
        const int pick = uchar(payload[i]) % 3;
        if (pick == 2 && !point) {
            pattern += QLatin1Char('.');
            point = true;
        } else {
            pattern += QLatin1Char(pick == 0 ? '#' : '0');
        }
    }
    const QString result = FormatNumber(value, pattern, QLatin1Char('.'));
    if (!std::isfinite(value)) {
        FUZZ_CHECK(result.isEmpty());
        return;
    }
    FUZZ_CHECK(onlyNumberCharacters(result, QLatin1Char('.')));
    const qsizetype patternPoint = pattern.indexOf(QLatin1Char('.'));
    const int places = patternPoint < 0 ? 0 : int(pattern.size() - patternPoint - 1);
    const qsizetype resultPoint = result.indexOf(QLatin1Char('.'));
    if (resultPoint >= 0)
        FUZZ_CHECK(result.size() - resultPoint - 1 <= places);
    if (std::fabs(value) < 1e12 && !result.isEmpty() && result != QStringLiteral("-")) {
        const double back = Val(result);
        FUZZ_CHECK(std::fabs(back - value) <= 0.5 * std::pow(10.0, -places) + std::fabs(value) * 1e-6 + 1e-9);
    }
    if (std::fabs(value) < 1e12)
        FUZZ_CHECK(result.size() <= 13 + places + 2);

    const QString fixed = FormatFixed(value, QLatin1Char('.'));
    FUZZ_CHECK(fixed.size() >= 4 && fixed[fixed.size() - 3] == QLatin1Char('.'));
}

void counters(const QByteArray& payload)
{
    const qint64 amount = take<qint64>(payload, 0);
    const QString text = cp1252::decode(payload.mid(8));
    const qint64 value = CounterValue(text);
    qint64 sum = 0;
    if (__builtin_add_overflow(value, amount, &sum))
        sum = amount > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    const QString added = AddToCounter(text, amount);
    FUZZ_CHECK(added == QString::number(sum));
    FUZZ_CHECK(CounterValue(added) == sum);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray payload = fuzzsupport::input(data + 1, size - 1);
    switch (data[0] % 4) {
    case 0:
        valAndGeneralNumber(payload);
        break;
    case 1:
        generalNumberOfFloat(payload);
        break;
    case 2:
        formatPattern(payload);
        break;
    case 3:
        counters(payload);
        break;
    }
    return 0;
}
