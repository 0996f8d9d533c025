#include "lang/languagefile.h"

#include "files/atomicfile.h"
#include "files/boundedread.h"
#include "files/countedtexts.h"
#include "files/cp1252.h"

#include <QFile>

#include <array>
#include <optional>

namespace {

// The loader addresses characters of a table text with signed 16-bit
// positions, so a longer table text is never written.
constexpr qsizetype kMaxTableTextBytes = 32767;

using RecordFields = std::array<QByteArray, LanguageTables::kTableCount>;

// Reads the first record of a language file: the record count, then the 26
// texts. A count below 1 or a short file gives no record. Later records are
// never needed, so they are not read.
std::optional<RecordFields> readFirstRecord(QIODevice& device)
{
    // Nothing past the largest possible first record is needed, so an
    // oversized file is never read whole.
    constexpr qint64 kMaxFirstRecord = 4 + LanguageTables::kTableCount * (2 + 65535);
    const QByteArray bytes = ReadAtMost(device, kMaxFirstRecord);

    CountedTextsReader reader(bytes);
    const std::optional<qint32> count = reader.count();
    if (!count || *count < 1)
        return std::nullopt;
    RecordFields fields;
    for (QByteArray& field : fields) {
        const std::optional<QByteArrayView> text = reader.text();
        if (!text)
            return std::nullopt;
        field = text->toByteArray();
    }
    return fields;
}

std::optional<RecordFields> readFirstRecord(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::optional<RecordFields> record = readFirstRecord(file);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return record;
}

// Splits a table text at its separators into the entries of `table`,
// starting at `firstIndex`. Text after the last separator and entries beyond
// the table's last index are dropped; entries the text does not reach keep
// their value.
void splitTableText(LanguageTables& tables, int table, int firstIndex, const QString& text)
{
    int index = firstIndex;
    qsizetype start = 0;
    const int last = LanguageTables::lastIndex(table);
    while (index <= last) {
        const qsizetype sep = text.indexOf(LanguageTables::kSeparator, start);
        if (sep < 0)
            break;
        tables.set(table, index, text.mid(start, sep - start));
        start = sep + 1;
        ++index;
    }
}

} // namespace

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    QFile f(path);
    return f.open(QIODevice::ReadOnly);
}

namespace {

void fillTables(LanguageTables& tables, const RecordFields& record)
{
    for (int t = 0; t < LanguageTables::kTableCount; ++t)
        splitTableText(tables, t, LanguageTables::firstIndex(t), cp1252::decode(record[size_t(t)]));
}

std::optional<QByteArray> languageFileBytes(const LanguageTables& tables)
{
    QList<QByteArray> texts;
    for (int t = 0; t < LanguageTables::kTableCount; ++t)
        texts.append(cp1252::encode(tables.tableText(t)));
    return OneRecordFile(texts, kMaxTableTextBytes);
}

QString headerVersion(const RecordFields& record)
{
    // Split the header into a scratch table so the live tables stay as they are.
    LanguageTables header;
    splitTableText(header, LanguageTables::kHeaderTable, 0,
                   cp1252::decode(record[size_t(LanguageTables::kHeaderTable)]));
    return header.at(LanguageTables::kHeaderTable, 1);
}

} // namespace

bool ReadLanguageTables(LanguageTables& tables, QIODevice& device)
{
    const std::optional<RecordFields> record = readFirstRecord(device);
    if (!record)
        return false;
    fillTables(tables, *record);
    return true;
}

std::optional<QString> ReadLanguageVersion(QIODevice& device)
{
    const std::optional<RecordFields> record = readFirstRecord(device);
    if (!record)
        return std::nullopt;
    return headerVersion(*record);
}

bool WriteLanguageTables(const LanguageTables& tables, QIODevice& device)
{
    const std::optional<QByteArray> bytes = languageFileBytes(tables);
    return bytes && device.write(*bytes) == bytes->size();
}

Result<bool, LanguageFileProblem> LoadLanguageFile(LanguageTables& tables, const QString& path)
{
    if (!FileExists(path))
        return {false, {}};
    const std::optional<RecordFields> record = readFirstRecord(path);
    if (!record)
        return {false, {{LanguageFileProblem::Kind::NotLoaded, path}}};
    fillTables(tables, *record);
    return {true, {}};
}

Result<void, LanguageFileProblem> SaveLanguageFile(const LanguageTables& tables, const QString& path)
{
    const std::optional<QByteArray> bytes = languageFileBytes(tables);
    if (!bytes || path.isEmpty() || !WriteFileAtomically(path, *bytes))
        return {{{LanguageFileProblem::Kind::NotSaved, path}}};
    return {};
}

Result<QString, LanguageFileProblem> GetLanguageFileVersion(const QString& path)
{
    if (!FileExists(path))
        return {QStringLiteral("0"), {}};
    const std::optional<RecordFields> record = readFirstRecord(path);
    if (!record)
        return {QString(), {{LanguageFileProblem::Kind::VersionNotRead, path}}};
    return {headerVersion(*record), {}};
}
