// The check-in reply: the lowest version the service accepts, as a number.
//
// Checked for every input (read as a Windows-1252 reply body):
// - a reply is accepted only when, trimmed and with "," read as ".", it is a
//   decimal number as a whole (an independent reading of that grammar);
// - an accepted value is finite and is the nearest float to that number;
// - a number of that grammar is refused only when it does not fit a float;
// - the version gate never sees NaN: the program's own version compares.
#include "dietlens/net/checkin.h"
#include "files/cp1252.h"
#include "fuzz/fuzzsupport.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

// [+-] digits [. digits] [e [+-] digits], or [+-] . digits [e ...]
bool isDecimalNumber(const QByteArray& t)
{
    qsizetype i = 0;
    const qsizetype n = t.size();
    auto digits = [&] {
        const qsizetype start = i;
        while (i < n && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < n && (t[i] == '+' || t[i] == '-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && t[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = cp1252::decode(fuzzsupport::input(data, size));
    const std::optional<float> value = net::ParseVersionReply(reply);

    QString text = reply.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const QByteArray latin = text.toLatin1();
    const bool grammar =
        text.size() == latin.size() && isDecimalNumber(latin) && QString::fromLatin1(latin) == text;

    if (!grammar) {
        FUZZ_CHECK(!value.has_value());
        return 0;
    }
    errno = 0;
    const double exact = std::strtod(latin.constData(), nullptr);
    const float nearest = float(exact);
    // Out of range (strtod's ERANGE, or beyond a float) may be refused.
    const bool fits = errno != ERANGE && std::isfinite(nearest) && !(exact != 0 && nearest == 0);
    if (value) {
        FUZZ_CHECK(std::isfinite(*value));
        // Qt and strtod may round a halfway case of a long number apart by one step.
        FUZZ_CHECK(*value == nearest || std::nextafter(*value, nearest) == nearest);
        const float program = net::ProgramVersionValue(QStringLiteral("2.12"));
        FUZZ_CHECK((program >= *value) != (program < *value));
    } else {
        FUZZ_CHECK(!fits || std::fpclassify(nearest) == FP_SUBNORMAL);
    }
    return 0;
}
