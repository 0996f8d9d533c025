#include "lang/messenger.h"

QString joinLines(std::initializer_list<QString> lines)
{
    QString out;
    bool first = true;
    for (const QString& line : lines) {
        if (!first)
            out += QLatin1Char('\n');
        out += line;
        first = false;
    }
    return out;
}
