#include "bookmarks.h"

#include "boundedread.h"
#include "cp1252.h"
#include "foodrecord.h"
#include "languagetables.h"
#include "messenger.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

std::optional<QByteArray> BookmarksFileBytes(const QStringList& records)
{
    QString text;
    for (const QString& r : records) {
        text += r;
        text += record::kBookmarkEnd;
    }
    const QByteArray bytes = cp1252::encode(text);
    if (bytes.size() > kMaxBookmarkTextBytes)
        return std::nullopt;
    QByteArray file(6, '\0');
    qToLittleEndian<qint32>(1, file.data());
    qToLittleEndian<quint16>(quint16(bytes.size()), file.data() + 4);
    file += bytes;
    return file;
}

bool WriteBookmarks(const QString& path, const QStringList& records, const LanguageTables& lang,
                    Messenger& messenger)
{
    const std::optional<QByteArray> bytes = BookmarksFileBytes(records);
    bool written = false;
    if (bytes) {
        QSaveFile file(path);
        // A failed flush must stop the commit: Qt 6.4 would otherwise put the
        // short temporary file in place of the old one.
        written = file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() && file.flush() &&
                  file.commit();
    }
    if (!written)
        messenger.message(QStringLiteral("Error #203"), lang.at(7, 8), MessageIcon::Critical);
    return written;
}

BookmarksRead ParseBookmarksFile(QByteArrayView bytes)
{
    BookmarksRead result;
    if (bytes.size() < 4)
        return result;
    const qint32 count = qFromLittleEndian<qint32>(bytes.data());
    if (count <= 0)
        return result;

    // Every record of the file must be there for it to be complete; only the
    // first one's text is used.
    qsizetype pos = 4;
    QByteArrayView firstText;
    bool firstWhole = false;
    bool allWhole = true;
    for (qint32 k = 0; k < count; ++k) {
        if (bytes.size() - pos < 2) {
            allWhole = false;
            break;
        }
        const quint16 length = qFromLittleEndian<quint16>(bytes.data() + pos);
        pos += 2;
        const qsizetype available = std::min<qsizetype>(length, bytes.size() - pos);
        if (k == 0) {
            firstText = bytes.sliced(pos, available);
            firstWhole = available == length;
        }
        if (available < length) {
            allWhole = false;
            break;
        }
        pos += length;
    }

    const QString text = cp1252::decode(firstText);
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(record::kBookmarkEnd, start);
        if (end < 0)
            break;
        result.records.append(text.mid(start, end - start));
        start = end + 1;
    }
    result.complete = firstWhole && allWhole;
    return result;
}

namespace {

// A bookmarks file is at most a few records of 64 KiB; past this size the
// rest of a file is not read.
constexpr qint64 kReadLimit = 16 * 1024 * 1024;

// Keeps a copy of a file that could not be read, replacing an older copy.
void keepUnreadableCopy(const QString& path)
{
    const QString copy = path + QStringLiteral(".unreadable");
    QFile::remove(copy);
    QFile::copy(path, copy);
}

} // namespace

QStringList ReadBookmarks(const QString& path, const LanguageTables& lang, Messenger& messenger)
{
    QFile file(path);
    BookmarksRead read;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = ReadAtMost(file, kReadLimit);
        const bool readFailed = file.error() != QFileDevice::NoError;
        file.close();
        read = ParseBookmarksFile(bytes);
        if (readFailed)
            read.complete = false;
        if (!read.complete)
            keepUnreadableCopy(path);
    }
    if (!read.complete)
        messenger.message(QStringLiteral("Error #202"), lang.at(7, 7), MessageIcon::Critical);
    return read.records;
}
