// Language files (*.lsf): the loader, the version reader and a write-back.
//
// Checked for every input:
// - the loader succeeds exactly when an independent reading of the layout
//   finds a first record whose 26 lengths all lie inside the file;
// - a failed load changes no entry and shows only the loading message;
// - a good load puts into every table exactly the pieces between the 0xBE
//   bytes of its field, leaves the entries the field does not reach as they
//   were and drops surplus pieces;
// - the version reader returns header entry 1 of that reading ("" when the
//   header has no such entry; "" and "Error #402" for an unreadable file);
// - writing the loaded tables and loading them again gives the same tables,
//   or, when a table text would pass 32,767 bytes, the writer refuses with its
//   message and writes nothing.
#include "files/cp1252.h"
#include "fuzz/fuzzsupport.h"
#include "lang/languagefile.h"
#include "tests/support/scriptedmessenger.h"

#include <QFile>

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
    static const QString path = fuzzsupport::scratchPath(QStringLiteral("in.lsf"));
    static const QString copyPath = fuzzsupport::scratchPath(QStringLiteral("copy.lsf"));
    const LanguageTables& marked = markedTables();

    const QByteArray bytes = fuzzsupport::input(data, size);
    fuzzsupport::putFile(path, bytes);
    const auto reference = fuzzsupport::referenceFirstRecord(bytes, LanguageTables::kTableCount);

    // Loader.
    LanguageTables tables = marked;
    ScriptedMessenger messenger;
    const bool loaded = LoadLanguageFile(tables, path, messenger);
    FUZZ_CHECK(loaded == reference.has_value());
    if (!loaded) {
        FUZZ_CHECK(tables == marked);
        FUZZ_CHECK(messenger.shown.size() == 1);
        FUZZ_CHECK(messenger.shown[0].title == QStringLiteral("Error during loading #03"));
    } else {
        FUZZ_CHECK(messenger.shown.isEmpty());
        FUZZ_CHECK(tables == expectedTables(reference->fields));
    }

    // Version reader.
    ScriptedMessenger versionMessenger;
    const QString version = GetLanguageFileVersion(path, versionMessenger);
    if (!reference) {
        FUZZ_CHECK(version.isEmpty());
        FUZZ_CHECK(versionMessenger.shown.size() == 1);
        FUZZ_CHECK(versionMessenger.shown[0].title == QStringLiteral("Error #402"));
    } else {
        const QList<QByteArray> header = terminatedPieces(reference->fields[LanguageTables::kHeaderTable]);
        FUZZ_CHECK(version == (header.size() > 1 ? cp1252::decode(header[1]) : QString()));
        FUZZ_CHECK(versionMessenger.shown.isEmpty());
    }

    // Write-back and reload.
    if (loaded) {
        bool fits = true;
        for (int t = 0; t < LanguageTables::kTableCount; ++t)
            fits = fits && cp1252::encode(tables.tableText(t)).size() <= 32767;
        QFile::remove(copyPath);
        ScriptedMessenger saveMessenger;
        const bool saved = SaveLanguageFile(tables, copyPath, saveMessenger, LanguageSaveFailure::dietlens());
        FUZZ_CHECK(saved == fits);
        if (saved) {
            FUZZ_CHECK(saveMessenger.shown.isEmpty());
            LanguageTables again;
            ScriptedMessenger reloadMessenger;
            FUZZ_CHECK(LoadLanguageFile(again, copyPath, reloadMessenger));
            FUZZ_CHECK(again == tables);
        } else {
            FUZZ_CHECK(saveMessenger.shown.size() == 1);
            FUZZ_CHECK(saveMessenger.shown[0].title == QStringLiteral("Error #401"));
            FUZZ_CHECK(!QFile::exists(copyPath));
        }
    }
    return 0;
}
