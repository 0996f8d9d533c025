#include "lang/languagetables.h"

namespace {
const QString kEmpty;
}

const QString& LanguageTables::at(int table, int index) const
{
    if (!isValid(table, index))
        return kEmpty;
    return m_entries[size_t(table)][size_t(index)];
}

void LanguageTables::set(int table, int index, const QString& text)
{
    if (isValid(table, index))
        m_entries[size_t(table)][size_t(index)] = text;
}

void LanguageTables::clear()
{
    for (int t = 0; t < kTableCount; ++t)
        clearTable(t);
}

void LanguageTables::clearTable(int table)
{
    if (table < 0 || table >= kTableCount)
        return;
    for (QString& s : m_entries[size_t(table)])
        s.clear();
}

QString LanguageTables::tableText(int table) const
{
    QString out;
    if (table < 0 || table >= kTableCount)
        return out;
    for (int i = firstIndex(table); i <= lastIndex(table); ++i) {
        out += m_entries[size_t(table)][size_t(i)];
        out += kSeparator;
    }
    return out;
}
