#pragma once
// Numbers held as text: reading the leading numeric part, writing the general
// number text of a single-precision value, and format patterns for the screen.
#include <QChar>
#include <QString>
#include <QStringView>

// The leading numeric part of a text, "." as decimal point, exponent and sign
// included: "" -> 0, "12,5" -> 12, "1E-05" -> 0.00001, " 7abc" -> 7.
// Leading blanks are skipped. An exponent too large for a double gives an
// infinite result; callers that compute with it check std::isfinite.
double Val(QStringView text);

// General number text of a single-precision value: at most seven significant
// digits, no trailing zeros, exponent form below 0.0001 and from 1E+07 up
// ("1E-05", "1.234568E+07"), "." as decimal point. Zero (also -0) is "0";
// a value that is not finite gives "0".
QString GeneralNumber(float value);

// A format pattern such as "###0.00": '0' required digit, '#' optional digit,
// one optional '.' between the whole and the decimal part. The value is taken
// as its decimal of seven significant digits (more when it has more whole
// digits) and rounded to the pattern's last place, halves away from zero.
// '#' never limits the whole digits; a pattern without any '0' before the
// point writes no whole digit for a value below 1 ("#######" of 0.2 is "").
// A value that rounds to zero has no sign. Not finite: "".
// The decimal separator is the given one (the screen uses the regional one).
QString FormatNumber(double value, QStringView pattern, QChar decimalSeparator);
QString FormatNumber(double value, QStringView pattern); // regional separator

// At least one whole digit and exactly two decimals ("Fixed").
QString FormatFixed(double value, QChar decimalSeparator);
QString FormatFixed(double value);

// The decimal separator of the user's regional settings.
QChar RegionalDecimalSeparator();

// Whole-number counters held as text; "" counts as 0. A counter is a 64-bit
// whole number and never passes through a float; a text that is not a plain
// whole number is read by its numeric value, rounded. Adding saturates at the
// limits of the 64-bit range instead of wrapping.
qint64 CounterValue(QStringView text);
QString AddToCounter(QStringView text, qint64 amount);
