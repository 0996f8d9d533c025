#pragma once
// Numbers held as text: reading the leading numeric part, writing the general
// number text of a single-precision value, and format patterns for the screen.
#include <QChar>
#include <QString>
#include <QStringView>

// The leading numeric part of a text, "." as decimal point, exponent and sign
// included: "" -> 0, "12,5" -> 12, "1E-05" -> 0.00001, " 7abc" -> 7.
double Val(QStringView text);

// General number text of a single-precision value: at most seven significant
// digits, no trailing zeros, exponent form below 0.0001 and from 1E+07 up
// ("1E-05", "1.234568E+07"), "." as decimal point.
QString GeneralNumber(float value);

// A format pattern such as "###0.00": '0' required digit, '#' optional digit,
// rounding half away from zero on the value's seven-significant-digit decimal.
// The decimal separator is the given one (the screen uses the regional one).
QString FormatNumber(double value, QStringView pattern, QChar decimalSeparator);
QString FormatNumber(double value, QStringView pattern); // regional separator

// Two decimals, always shown ("Fixed").
QString FormatFixed(double value, QChar decimalSeparator);
QString FormatFixed(double value);

// Whole-number counters held as text; "" counts as 0.
qint64 CounterValue(QStringView text);
QString AddToCounter(QStringView text, qint64 amount);
