#include "dietlens/display/bookmarksfile.h"

#include "dietlens/record/fooditem.h"
#include "files/atomicfile.h"
#include "files/boundedread.h"
#include "files/countedtexts.h"
#include "files/cp1252.h"

#include <QFile>

std::optional<QByteArray> BookmarksFileBytes(const QStringList& records)
{
    QString text;
    for (const QString& r : records) {
        text += r;
        text += record::kBookmarkEnd;
    }
    return OneRecordFile({cp1252::encode(text)}, kMaxBookmarkTextBytes);
}

bool WriteBookmarksFile(const QString& path, const QStringList& records)
{
    const std::optional<QByteArray> bytes = BookmarksFileBytes(records);
    return bytes && WriteFileAtomically(path, *bytes);
}

Result<void, Problem> WriteBookmarks(const QString& path, const QStringList& records)
{
    if (WriteBookmarksFile(path, records))
        return {};
    return {{{ProblemKind::BookmarksNotSaved, QString()}}};
}

BookmarksRead ParseBookmarksFile(QByteArrayView bytes)
{
    BookmarksRead result;
    CountedTextsReader reader(bytes);
    const std::optional<qint32> count = reader.count();
    if (!count || *count <= 0)
        return result;

    // Every record of the file must be there for it to be complete; only the
    // first one's text is used, as far as it is there.
    QByteArrayView firstText;
    bool firstWhole = false;
    bool allWhole = true;
    for (qint32 k = 0; k < *count; ++k) {
        const std::optional<QByteArrayView> text = reader.text();
        if (k == 0) {
            firstText = text ? *text : reader.cutText();
            firstWhole = text.has_value();
        }
        if (!text) {
            allWhole = false;
            break;
        }
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

BookmarksRead ReadBookmarksFile(const QString& path)
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
    return read;
}

Result<QStringList, Problem> ReadBookmarks(const QString& path)
{
    const BookmarksRead read = ReadBookmarksFile(path);
    Result<QStringList, Problem> records{read.records, {}};
    if (!read.complete)
        records.problems.append({ProblemKind::BookmarksNotRead, QString()});
    return records;
}
