#include "files/cp1252.h"
#include "lang/languagefile.h"
#include "tests/support/languagefiles.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using testsupport::languageFileVersion;
using testsupport::loadLanguageFile;
using testsupport::readAll;
using testsupport::saveLanguageFile;
using testsupport::writeAll;

namespace {

const QChar kSep = LanguageTables::kSeparator;

QByteArray le32(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray le16(quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

// One record of 26 fields; fields not given are empty.
QByteArray record(const QMap<int, QByteArray>& fields)
{
    QByteArray out;
    for (int t = 0; t < LanguageTables::kTableCount; ++t) {
        const QByteArray f = fields.value(t);
        out += le16(quint16(f.size())) + f;
    }
    return out;
}

QByteArray text(const QString& s)
{
    return cp1252::encode(s);
}

// Every entry of every table holds a text naming its slot, some with
// characters beyond ASCII, so a shifted or lost entry shows.
LanguageTables filledTables(const QString& tag = QStringLiteral("v"))
{
    LanguageTables t;
    for (int table = 0; table < LanguageTables::kTableCount; ++table)
        for (int i = LanguageTables::firstIndex(table); i <= LanguageTables::lastIndex(table); ++i)
            t.set(table, i, QStringLiteral("%1 %2.%3 \u20AC\u00E9 ").arg(tag).arg(table).arg(i));
    return t;
}

QByteArray validFileBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.lsf"));
    ScriptedMessenger m;
    if (!saveLanguageFile(filledTables(), path, m, LanguageSaveFailure::dietlens()))
        return {};
    return readAll(path);
}

} // namespace

class TestLanguageFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyTablesGiveTheBareLayout()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("empty.lsf"));
        ScriptedMessenger m;
        QVERIFY(saveLanguageFile(LanguageTables{}, path, m, LanguageSaveFailure::dietlens()));
        QVERIFY(m.shown.isEmpty());

        QByteArray expected =
            QByteArray::fromHex("01000000") + QByteArray::fromHex("1900") + QByteArray(25, char(0xBE));
        for (int t = 1; t < 26; ++t)
            expected += QByteArray::fromHex("c900") + QByteArray(201, char(0xBE));
        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), 5106);
        QCOMPARE(bytes, expected);
    }

    void everyTableRoundTrips()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("full.lsf"));
        ScriptedMessenger m;
        const LanguageTables original = filledTables();
        QVERIFY(saveLanguageFile(original, path, m, LanguageSaveFailure::dietlens()));

        LanguageTables loaded = filledTables(QStringLiteral("stale"));
        QVERIFY(loadLanguageFile(loaded, path, m));
        QVERIFY(m.shown.isEmpty());
        QVERIFY(loaded == original);
        QCOMPARE(loaded.at(7, 200), original.at(7, 200));

        // Writing back what was loaded gives the same bytes.
        const QString again = dir.filePath(QStringLiteral("again.lsf"));
        QVERIFY(saveLanguageFile(loaded, again, m, LanguageSaveFailure::dietlens()));
        QCOMPARE(readAll(again), readAll(path));
    }

    void anEntryHoldingTheSeparatorSplitsAndShifts()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("split.lsf"));
        ScriptedMessenger m;
        LanguageTables tables = filledTables();
        const LanguageTables before = tables;
        tables.set(3, 0, QStringLiteral("first") + kSep + QStringLiteral("second"));
        QVERIFY(saveLanguageFile(tables, path, m, LanguageSaveFailure::dietlens()));

        LanguageTables loaded = before;
        QVERIFY(loadLanguageFile(loaded, path, m));
        QCOMPARE(loaded.at(3, 0), QStringLiteral("first"));
        QCOMPARE(loaded.at(3, 1), QStringLiteral("second"));
        for (int i = 2; i <= 200; ++i)
            QCOMPARE(loaded.at(3, i), before.at(3, i - 1));
        QCOMPARE(loaded.at(4, 0), before.at(4, 0)); // other tables untouched
    }

    // Hand-made files: each row gives the bytes of field 3 (table F03) and
    // what entries 0..2 and 200 of that table read afterwards; "old" marks
    // an entry that keeps its value from before the load.
    void tableTextSplitting_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QStringList>("expected");
        const QByteArray s("\xBE");
        const QString old = QStringLiteral("old");
        QTest::newRow("last separator missing")
            << QByteArray("a" + s + "b" + s + "c") << QStringList{u"a"_s, u"b"_s, old, old};
        QTest::newRow("empty entries")
            << QByteArray(s + s + "z" + s) << QStringList{u""_s, u""_s, u"z"_s, old};
        QTest::newRow("no separator at all") << QByteArray("abc") << QStringList{old, old, old, old};
        QByteArray many;
        for (int i = 0; i < 230; ++i)
            many += QByteArray::number(i) + s;
        QTest::newRow("230 entries") << many << QStringList{u"0"_s, u"1"_s, u"2"_s, u"200"_s};
        QByteArray exact;
        for (int i = 0; i < 201; ++i)
            exact += QByteArray::number(i) + s;
        QTest::newRow("201 entries and trailing text")
            << QByteArray(exact + "tail") << QStringList{u"0"_s, u"1"_s, u"2"_s, u"200"_s};
        // Longer than the writer allows, within what the length field can say.
        QByteArray longText(40000, 'x');
        QTest::newRow("40000 bytes") << QByteArray(longText + s)
                                     << QStringList{QString::fromLatin1(longText), old, old, old};
    }
    void tableTextSplitting()
    {
        QFETCH(QByteArray, field);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hand.lsf"));
        QVERIFY(writeAll(path, le32(1) + record({{3, field}})));

        LanguageTables tables;
        for (int i = 0; i <= 200; ++i)
            tables.set(3, i, QStringLiteral("old"));
        tables.set(5, 7, QStringLiteral("kept"));
        ScriptedMessenger m;
        QVERIFY(loadLanguageFile(tables, path, m));
        QVERIFY(m.shown.isEmpty());
        QCOMPARE(tables.at(3, 0), expected.at(0));
        QCOMPARE(tables.at(3, 1), expected.at(1));
        QCOMPARE(tables.at(3, 2), expected.at(2));
        QCOMPARE(tables.at(3, 200), expected.at(3));
        QCOMPARE(tables.at(5, 7), QStringLiteral("kept")); // an empty field holds no entries
    }

    void formNamesStartAtIndexOne()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("forms.lsf"));
        QByteArray forms;
        for (int i = 1; i <= 30; ++i)
            forms += "form" + QByteArray::number(i) + "\xBE";
        QVERIFY(writeAll(path, le32(1) + record({{0, forms}})));
        LanguageTables tables;
        ScriptedMessenger m;
        QVERIFY(loadLanguageFile(tables, path, m));
        QCOMPARE(tables.at(0, 1), QStringLiteral("form1"));
        QCOMPARE(tables.at(0, 25), QStringLiteral("form25"));
        QCOMPARE(tables.at(0, 0), QString());
    }

    void onlyTheFirstRecordCounts()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("two.lsf"));
        const QByteArray first = record({{1, text(QStringLiteral("one") + kSep)}});
        const QByteArray second = record({{1, text(QStringLiteral("two") + kSep)}});
        ScriptedMessenger m;
        // A complete second record and a broken one are both ignored.
        for (const QByteArray& bytes : {le32(2) + first + second, le32(3) + first + second.left(7),
                                        le32(1) + first + QByteArray(3'000'000, 'x')}) {
            QVERIFY(writeAll(path, bytes));
            LanguageTables tables;
            QVERIFY(loadLanguageFile(tables, path, m));
            QCOMPARE(tables.at(1, 0), QStringLiteral("one"));
        }
        QVERIFY(m.shown.isEmpty());

        LanguageTables tables;
        QVERIFY(loadLanguageFile(tables, path, m));
        QVERIFY(saveLanguageFile(tables, path, m, LanguageSaveFailure::dietlens()));
        const QByteArray rewritten = readAll(path);
        QCOMPARE(rewritten.left(4), le32(1));
        QCOMPARE(rewritten.size(), 5106 + 3);
    }

    void theLargestRecordLoads()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("largest.lsf"));
        const QByteArray field = QByteArray(65534, 'a') + "\xBE";
        QMap<int, QByteArray> fields;
        for (int t = 0; t < LanguageTables::kTableCount; ++t)
            fields.insert(t, field);
        QVERIFY(writeAll(path, le32(1) + record(fields)));
        LanguageTables tables;
        ScriptedMessenger m;
        QVERIFY(loadLanguageFile(tables, path, m));
        QCOMPARE(tables.at(25, 0).size(), 65534);
        QCOMPARE(tables.at(25, 1), QString());
    }

    // Files that cannot be read: the load fails with the loading message and
    // no table changes.
    void unreadableFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray valid = validFileBytes();
        QVERIFY(valid.size() > 6000);
        const QByteArray body = valid.mid(4);
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("half a count") << valid.left(2);
        QTest::newRow("count only") << valid.left(4);
        QTest::newRow("half a length") << valid.left(5);
        QTest::newRow("inside field 0") << valid.left(40);
        QTest::newRow("inside field 12") << valid.left(valid.size() / 2);
        QTest::newRow("before the header length") << valid.left(valid.size() - 400);
        QTest::newRow("one byte short") << valid.left(valid.size() - 1);
        QTest::newRow("count 0") << QByteArray(le32(0) + body);
        QTest::newRow("count -1") << QByteArray(le32(-1) + body);
        QTest::newRow("count most negative") << QByteArray(le32(std::numeric_limits<qint32>::min()) + body);
        QTest::newRow("length past the end") << QByteArray(le32(1) + le16(0xFFFF) + "abc");
    }
    void unreadableFiles()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.lsf"));
        QVERIFY(writeAll(path, bytes));

        LanguageTables tables = filledTables(QStringLiteral("before"));
        const LanguageTables before = tables;
        ScriptedMessenger m;
        QVERIFY(!loadLanguageFile(tables, path, m));
        QVERIFY(tables == before);
        QCOMPARE(m.shown.size(), 1);
        QCOMPARE(m.shown[0].title, QStringLiteral("Error during loading #03"));
        QCOMPARE(m.shown[0].text,
                 QStringLiteral("Error during loading!\nThe language file could not be opened"));
        QCOMPARE(m.shown[0].icon, MessageIcon::Critical);

        QCOMPARE(languageFileVersion(path, m), QString());
        QCOMPARE(m.shown.size(), 2);
        QCOMPARE(m.shown[1].title, QStringLiteral("Error #402"));
        QCOMPARE(m.shown[1].text,
                 QStringLiteral("An error occured during language version retrieval in file ") + path);
    }

    void missingFileChangesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("nothing.lsf"));
        LanguageTables tables = filledTables();
        const LanguageTables before = tables;
        ScriptedMessenger m;
        QVERIFY(!FileExists(path));
        QVERIFY(!loadLanguageFile(tables, path, m));
        QVERIFY(tables == before);
        QCOMPARE(languageFileVersion(path, m), QStringLiteral("0"));
        QVERIFY(m.shown.isEmpty());
        // A folder is no language file either.
        QVERIFY(!FileExists(dir.path()));
        QCOMPARE(languageFileVersion(dir.path(), m), QStringLiteral("0"));
    }

    void oversizeTableIsRefusedAndOldFileKept_data()
    {
        QTest::addColumn<int>("entryLength");
        QTest::addColumn<bool>("written");
        // F07 of otherwise empty tables: 201 separators plus the entry.
        QTest::newRow("exactly 32767") << (32767 - 201) << true;
        QTest::newRow("one over") << (32768 - 201) << false;
        QTest::newRow("far over") << 70000 << false;
    }
    void oversizeTableIsRefusedAndOldFileKept()
    {
        QFETCH(int, entryLength);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.lsf"));
        const QByteArray old = validFileBytes();
        QVERIFY(writeAll(path, old));

        LanguageTables tables;
        tables.set(7, 5, QString(entryLength, QLatin1Char('y')));
        ScriptedMessenger m;
        QCOMPARE(saveLanguageFile(tables, path, m, LanguageSaveFailure::dietlens()), written);
        if (written) {
            QVERIFY(m.shown.isEmpty());
            LanguageTables back;
            QVERIFY(loadLanguageFile(back, path, m));
            QVERIFY(back == tables);
        } else {
            QCOMPARE(readAll(path), old);
            QCOMPARE(m.shown.size(), 1);
            QCOMPARE(m.shown[0].title, QStringLiteral("Error #401"));
            QCOMPARE(m.shown[0].text,
                     QStringLiteral("An error occured while saving the languagefile") + path);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("big.lsf")});
        }
    }

    void failingWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only folder") << QStringLiteral("readonly");
        QTest::newRow("disk full") << QStringLiteral("fsize");
    }
    void failingWriteKeepsTheOldFile()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("keep.lsf"));
        const QByteArray old("old bytes");
        QVERIFY(writeAll(path, old));
        ScriptedMessenger m;
        bool ok = true;
        if (how == QStringLiteral("readonly")) {
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            QFile probe(dir.filePath(QStringLiteral("probe")));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
                QSKIP("the folder stays writable for this user");
            }
            ok = saveLanguageFile(filledTables(), path, m,
                                  LanguageSaveFailure::translator(QStringLiteral("Translator")));
            QFile::setPermissions(dir.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        } else {
            // A file size limit makes the write fail the way a full disk does.
            rlimit saved{};
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = saved;
            small.rlim_cur = 1000;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            ok = saveLanguageFile(filledTables(), path, m,
                                  LanguageSaveFailure::translator(QStringLiteral("Translator")));
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        }
        QVERIFY(!ok);
        QCOMPARE(readAll(path), old);
        QCOMPARE(m.shown.size(), 1);
        QCOMPARE(m.shown[0].title, QStringLiteral("Translator"));
        QCOMPARE(m.shown[0].text, QStringLiteral("An error occured while saving the language file: ") + path);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.lsf")});
    }

    void versionComesFromTheFilesOwnHeader_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<QString>("version");
        QTest::newRow("full header") << QByteArray("Dietlens\xBE"
                                                   "2.12\xBEQuelmar\xBE"
                                                   "01-06-2005\xBE"
                                                   "1\xBE")
                                     << QStringLiteral("2.12");
        QTest::newRow("other version") << QByteArray("Dietlens\xBE"
                                                     "2.11\xBE")
                                       << QStringLiteral("2.11");
        QTest::newRow("only entry 0") << QByteArray("Dietlens\xBE") << QString();
        QTest::newRow("version without separator") << QByteArray("Dietlens\xBE"
                                                                 "2.12")
                                                   << QString();
        QTest::newRow("empty header") << QByteArray() << QString();
    }
    void versionComesFromTheFilesOwnHeader()
    {
        QFETCH(QByteArray, header);
        QFETCH(QString, version);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("v.lsf"));
        QVERIFY(writeAll(path, le32(1) + record({{25, header}})));
        ScriptedMessenger m;
        QCOMPARE(languageFileVersion(path, m), version);
        QVERIFY(m.shown.isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestLanguageFile)
#include "test_languagefile.moc"
