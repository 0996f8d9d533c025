#pragma once
// The layout the settings, bookmarks and language files share: a signed
// 32-bit record count, then texts of a 16-bit byte length followed by that
// many bytes; little-endian, no header, no padding. How many texts make a
// record is the file's own business.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// The bytes of a file holding one record of these texts; none when a text is
// longer than maxTextBytes (at most 65,535, what the length can describe).
std::optional<QByteArray> OneRecordFile(const QList<QByteArray>& texts, qsizetype maxTextBytes = 0xFFFF);

// Reads the layout from the front; every length is checked against what is there.
class CountedTextsReader
{
public:
    explicit CountedTextsReader(QByteArrayView bytes) : m_bytes(bytes) {}

    // The record count; none when fewer than four bytes are left.
    std::optional<qint32> count();
    // The next text; none when its length or some of its bytes are missing.
    std::optional<QByteArrayView> text();
    // After text() found a text cut short: the part of it that is there.
    QByteArrayView cutText() const { return m_cut; }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    QByteArrayView m_cut;
};
