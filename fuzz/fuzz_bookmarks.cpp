// The bookmarks file (and the export, the same format): parser, reader and
// writer.
//
// Checked for every input:
// - the records are exactly the 0xBE-ended pieces of the part of the first
//   text that the file holds, and the file counts as complete exactly when
//   the count is 1 or more and every counted text is whole;
// - reading the file reports BookmarksNotRead exactly when it is not complete, and
//   then keeps a byte-identical copy beside it as ".unreadable";
// - the records written again and parsed give the same records, complete.
#include "dietlens/display/bookmarksfile.h"
#include "files/cp1252.h"
#include "fuzz/fuzzsupport.h"

#include <QFile>

namespace {

struct Reference
{
    QList<QByteArray> records;
    bool complete = false;
};

Reference reference(const QByteArray& file)
{
    Reference out;
    if (file.size() < 4)
        return out;
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const qint32 count =
        qint32(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
    if (count < 1)
        return out;
    qsizetype pos = 4;
    bool whole = true;
    QByteArray first;
    for (qint64 k = 0; k < count; ++k) {
        if (pos + 2 > file.size()) {
            whole = false;
            break;
        }
        const qsizetype len = qsizetype(p[pos]) | qsizetype(p[pos + 1]) << 8;
        pos += 2;
        const qsizetype available = std::min(len, file.size() - pos);
        if (k == 0)
            first = file.mid(pos, available);
        if (available < len) {
            whole = false;
            break;
        }
        pos += len;
    }
    out.records = first.split('\xBE');
    out.records.removeLast();
    out.complete = whole;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString path = fuzzsupport::scratchPath(QStringLiteral("bookmarks.dat"));
    static const QString copy = path + QStringLiteral(".unreadable");

    const QByteArray bytes = fuzzsupport::input(data, size);
    const Reference expected = reference(bytes);

    const BookmarksRead parsed = ParseBookmarksFile(bytes);
    FUZZ_CHECK(parsed.complete == expected.complete);
    FUZZ_CHECK(parsed.records.size() == expected.records.size());
    for (qsizetype i = 0; i < parsed.records.size(); ++i)
        FUZZ_CHECK(parsed.records[i] == cp1252::decode(expected.records[i]));

    fuzzsupport::putFile(path, bytes);
    QFile::remove(copy);
    const Result<QStringList, Problem> read = ReadBookmarks(path);
    FUZZ_CHECK(read.value == parsed.records);
    if (parsed.complete) {
        FUZZ_CHECK(read.ok());
        FUZZ_CHECK(!QFile::exists(copy));
    } else {
        const QList<Problem> notRead{{ProblemKind::BookmarksNotRead, QString()}};
        FUZZ_CHECK(read.problems == notRead);
        FUZZ_CHECK(fuzzsupport::fileBytes(copy) == bytes);
    }
    FUZZ_CHECK(fuzzsupport::fileBytes(path) == bytes);

    // The records read fit the format again: they came from one text that did.
    const std::optional<QByteArray> again = BookmarksFileBytes(parsed.records);
    FUZZ_CHECK(again.has_value());
    const BookmarksRead reparsed = ParseBookmarksFile(*again);
    FUZZ_CHECK(reparsed.complete);
    FUZZ_CHECK(reparsed.records == parsed.records);
    return 0;
}
