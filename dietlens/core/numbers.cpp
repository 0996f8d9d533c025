#include "numbers.h"

// Placeholder: the full helpers are being written.

double Val(QStringView text)
{
    return text.toDouble();
}

QString GeneralNumber(float value)
{
    return QString::number(double(value), 'G', 7);
}

QString FormatNumber(double value, QStringView, QChar)
{
    return QString::number(value);
}

QString FormatNumber(double value, QStringView pattern)
{
    return FormatNumber(value, pattern, QLatin1Char('.'));
}

QString FormatFixed(double value, QChar)
{
    return QString::number(value, 'f', 2);
}

QString FormatFixed(double value)
{
    return FormatFixed(value, QLatin1Char('.'));
}

qint64 CounterValue(QStringView text)
{
    return text.toLongLong();
}

QString AddToCounter(QStringView text, qint64 amount)
{
    return QString::number(CounterValue(text) + amount);
}
