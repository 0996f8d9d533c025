#pragma once
// The 26 text tables every visible text lives in. Table 0 holds the form
// names (indices 1 to 25); tables 1 to 25 hold 201 texts each (indices 0 to
// 200), table 25 being the language-file header.
#include <QString>

#include <array>

// One entry of the text tables: a table and an index in it. dietlens names
// each entry it uses (dietlens/lang/text/).
struct TextSlot
{
    int table;
    int index;

    friend bool operator==(const TextSlot&, const TextSlot&) = default;
};

class LanguageTables
{
public:
    static constexpr int kTableCount = 26;
    static constexpr int kFormNameTable = 0;
    static constexpr int kHeaderTable = 25;
    static constexpr QChar kSeparator = QChar(0x00BE); // "¾"

    static constexpr int firstIndex(int table) { return table == kFormNameTable ? 1 : 0; }
    static constexpr int lastIndex(int table) { return table == kFormNameTable ? 25 : 200; }
    static constexpr int entryCount(int table) { return lastIndex(table) - firstIndex(table) + 1; }
    static constexpr bool isValid(int table, int index)
    {
        return table >= 0 && table < kTableCount && index >= firstIndex(table) && index <= lastIndex(table);
    }

    // An index outside the table reads "" and is not written.
    const QString& at(int table, int index) const;
    void set(int table, int index, const QString& text);
    const QString& at(TextSlot slot) const { return at(slot.table, slot.index); }
    void set(TextSlot slot, const QString& text) { set(slot.table, slot.index, text); }

    void clear();
    void clearTable(int table);

    // The serialized form of one table: every entry followed by one separator.
    QString tableText(int table) const;

    bool operator==(const LanguageTables& other) const = default;

private:
    std::array<std::array<QString, 201>, kTableCount> m_entries{};
};
