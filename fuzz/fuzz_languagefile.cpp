// Language files (*.lsf): the loader, the version reader and a write-back.
//
// Checked for every input:
// - the loader succeeds exactly when an independent reading of the layout
//   finds a first record whose 26 lengths all lie inside the file;
// - a failed load changes no entry;
// - a good load puts into every table exactly the pieces between the 0xBE
//   bytes of its field, leaves the entries the field does not reach as they
//   were and drops surplus pieces;
// - the version reader returns header entry 1 of that reading ("" when the
//   header has no such entry; nothing for an unreadable file);
// - writing the loaded tables and loading them again gives the same tables,
//   or, when a table text would pass 32,767 bytes, the writer refuses and
//   writes nothing.
// Everything runs on in-memory devices, as the file functions run on files:
// the messages and the atomic replacement around them are the unit tests' part.
#include "files/cp1252.h"
#include "fuzz/fuzzsupport.h"
#include "lang/languagefile.h"

#include <QBuffer>

namespace {

// The pieces of a table text that end in a 0xBE byte; the rest is dropped.
QList<QByteArray> terminatedPieces(const QByteArray& field)
{
    QList<QByteArray> pieces = field.split('\xBE');
    pieces.removeLast(); // what follows the last separator (or the whole text when there is none)
    return pieces;
}

QString marker(int table, int index)
{
    return QStringLiteral("before %1.%2").arg(table).arg(index);
}

const LanguageTables& markedTables()
{
    static const LanguageTables marked = [] {
        LanguageTables t;
        for (int table = 0; table < LanguageTables::kTableCount; ++table)
            for (int i = LanguageTables::firstIndex(table); i <= LanguageTables::lastIndex(table); ++i)
                t.set(table, i, marker(table, i));
        return t;
    }();
    return marked;
}

LanguageTables expectedTables(const QList<QByteArray>& fields)
{
    LanguageTables t = markedTables();
    for (int table = 0; table < LanguageTables::kTableCount; ++table) {
        const QList<QByteArray> pieces = terminatedPieces(fields[table]);
        int index = LanguageTables::firstIndex(table);
        for (const QByteArray& piece : pieces) {
            if (index > LanguageTables::lastIndex(table))
                break;
            t.set(table, index++, cp1252::decode(piece));
        }
    }
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const LanguageTables& marked = markedTables();
    const QByteArray bytes = fuzzsupport::input(data, size);
    const auto reference = fuzzsupport::referenceFirstRecord(bytes, LanguageTables::kTableCount);

    // Loader.
    LanguageTables tables = marked;
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    const bool loaded = ReadLanguageTables(tables, in);
    FUZZ_CHECK(loaded == reference.has_value());
    FUZZ_CHECK(tables == (loaded ? expectedTables(reference->fields) : marked));

    // Version reader.
    in.seek(0);
    const std::optional<QString> version = ReadLanguageVersion(in);
    FUZZ_CHECK(version.has_value() == loaded);
    if (reference) {
        const QList<QByteArray> header = terminatedPieces(reference->fields[LanguageTables::kHeaderTable]);
        FUZZ_CHECK(*version == (header.size() > 1 ? cp1252::decode(header[1]) : QString()));
    }

    // Write-back and reload, in memory, of what the file holds (loaded into empty
    // tables, so the work grows with the input and not with the markers).
    if (loaded) {
        in.seek(0);
        tables = LanguageTables();
        FUZZ_CHECK(ReadLanguageTables(tables, in));
        bool fits = true;
        for (int t = 0; t < LanguageTables::kTableCount; ++t)
            fits = fits && cp1252::encode(tables.tableText(t)).size() <= 32767;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        const bool written = WriteLanguageTables(tables, out);
        FUZZ_CHECK(written == fits);
        if (written) {
            QBuffer back(&out.buffer());
            back.open(QIODevice::ReadOnly);
            LanguageTables again;
            FUZZ_CHECK(ReadLanguageTables(again, back));
            FUZZ_CHECK(again == tables);
        } else {
            FUZZ_CHECK(out.buffer().isEmpty());
        }
    }
    return 0;
}
