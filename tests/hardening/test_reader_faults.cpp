// Readers against damaged files: cut at every field boundary, lengths past
// the end, negative and huge counts, bytes that are not text, a folder in
// place of the file. Each ends in the reader's described outcome and nothing
// in memory is lost or half-replaced.
#include "dietlens/core/appstate.h"
#include "dietlens/core/settings.h"
#include "dietlens/display/bookmarksfile.h"
#include "dietlens/ui/problempresenter.h"
#include "files/cp1252.h"
#include "lang/languagefile.h"
#include "tests/support/languagefiles.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <limits>

using namespace Qt::StringLiterals;
using testsupport::writeAll;

namespace {

QByteArray le32(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

Settings sampleSettings()
{
    Settings s;
    for (int f = 1; f <= Settings::kFieldCount; ++f)
        s.field(f) = u"field %1 \u00E9\u20AC"_s.arg(f);
    s.Reserved8.clear(); // an empty last field
    return s;
}

Settings markedSettings()
{
    Settings s;
    for (int f = 1; f <= Settings::kFieldCount; ++f)
        s.field(f) = u"in memory %1"_s.arg(f);
    return s;
}

// Offsets of the count's end and of every length and text of record 1.
QList<qsizetype> settingsBoundaries(const QByteArray& file)
{
    QList<qsizetype> out{0, 4};
    qsizetype pos = 4;
    for (int f = 0; f < Settings::kFieldCount; ++f) {
        const quint16 len = qFromLittleEndian<quint16>(file.constData() + pos);
        pos += 2;
        out << pos - 1 << pos;
        pos += len;
        out << pos;
    }
    return out;
}

LanguageTables sampleTables()
{
    LanguageTables t;
    for (int table = 0; table < LanguageTables::kTableCount; ++table)
        for (int i = LanguageTables::firstIndex(table); i <= LanguageTables::lastIndex(table); i += 7)
            t.set(table, i, u"t%1.%2"_s.arg(table).arg(i));
    return t;
}

} // namespace

class TestReaderFaults : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    SettingsLoad readSettings(const QByteArray& bytes, Settings& out)
    {
        AppState state;
        state.paths.SettingsPath = dir.filePath(u"dl2set.dat"_s);
        QFile::remove(state.paths.SettingsPath);
        if (!writeAll(state.paths.SettingsPath, bytes))
            qFatal("cannot write");
        state.settings = markedSettings();
        const SettingsLoad result = ReadSettingsFile(state.paths.SettingsPath, state.settings);
        out = state.settings;
        return result;
    }

private Q_SLOTS:
    // A settings file cut anywhere inside record 1 is a first run and leaves
    // every setting in memory as it was.
    void settingsCutAtEveryFieldBoundary()
    {
        const QByteArray whole = SettingsFileBytes(sampleSettings());
        QVERIFY(!whole.isEmpty());
        const QList<qsizetype> boundaries = settingsBoundaries(whole);
        QCOMPARE(boundaries.last(), whole.size());
        for (qsizetype cut : boundaries) {
            for (qsizetype at : {cut - 1, cut, cut + 1}) {
                if (at < 0 || at > whole.size())
                    continue;
                Settings read;
                const SettingsLoad result = readSettings(whole.left(at), read);
                if (at == whole.size()) {
                    QCOMPARE(result, SettingsLoad::Loaded);
                    QCOMPARE(read, sampleSettings());
                } else {
                    QVERIFY2(result == SettingsLoad::FirstRun, qPrintable(u"cut at %1"_s.arg(at)));
                    QCOMPARE(read, markedSettings());
                }
            }
        }
    }

    void settingsDamaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        const QByteArray record = SettingsFileBytes(sampleSettings()).mid(4);
        QTest::newRow("count 0") << QByteArray(le32(0) + record) << false;
        QTest::newRow("count -1") << QByteArray(le32(-1) + record) << false;
        QTest::newRow("count most negative")
            << QByteArray(le32(std::numeric_limits<qint32>::min()) + record) << false;
        QTest::newRow("count huge, one record")
            << QByteArray(le32(std::numeric_limits<qint32>::max()) + record) << true;
        QTest::newRow("count 2, second record cut") << QByteArray(le32(2) + record + record.left(9)) << true;
        QTest::newRow("first length past the end") << QByteArray(le32(1) + "\xFF\xFF" + "abc") << false;
        QTest::newRow("last length past the end")
            << QByteArray(le32(1) + record.left(record.size() - 2) + "\x10\x00") << false;
        QTest::newRow("megabytes of garbage after the record")
            << QByteArray(le32(1) + record + QByteArray(8 * 1024 * 1024, '\xBE')) << true;
        QTest::newRow("only garbage") << QByteArray(4096, '\xFF') << false;
    }
    void settingsDamaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        Settings read;
        const SettingsLoad result = readSettings(bytes, read);
        QCOMPARE(result == SettingsLoad::Loaded, loads);
        QCOMPARE(read, loads ? sampleSettings() : markedSettings());
    }

    // Bytes that are not text come back as the same bytes when written again.
    void settingsOddBytesSurvive()
    {
        QByteArray record;
        QByteArray odd;
        for (int i = 0; i < 256; ++i)
            odd += char(i);
        for (int f = 0; f < Settings::kFieldCount; ++f) {
            const QByteArray text = odd.mid((f * 13) % 256, 40);
            char len[2];
            qToLittleEndian<quint16>(quint16(text.size()), len);
            record += QByteArray(len, 2) + text;
        }
        Settings read;
        QCOMPARE(readSettings(le32(1) + record, read), SettingsLoad::Loaded);
        QCOMPARE(SettingsFileBytes(read), le32(1) + record);
    }

    // A folder where the settings file should be is a first run, with the
    // first-run message, not a crash or a hang.
    void settingsPathIsAFolder()
    {
        AppState state;
        state.paths.SettingsPath = dir.filePath(u"folder.dat"_s);
        QVERIFY(QDir().mkpath(state.paths.SettingsPath));
        state.settings = markedSettings();
        QCOMPARE(ReadSettingsFile(state.paths.SettingsPath, state.settings), SettingsLoad::FirstRun);
        QCOMPARE(state.settings, markedSettings());
    }

    // A language file cut at or around any field boundary: the loader shows
    // its message and no table changes; the version reader gives "" and "Error #402".
    void languageFileCutAtEveryFieldBoundary()
    {
        const QString path = dir.filePath(u"cut.lsf"_s);
        ScriptedMessenger m;
        QVERIFY(testsupport::saveLanguageFile(sampleTables(), path, m, LanguageSaveFailure::dietlens()));
        const QByteArray whole = testsupport::readAll(path);
        QList<qsizetype> boundaries{0, 4};
        qsizetype pos = 4;
        for (int t = 0; t < LanguageTables::kTableCount; ++t) {
            const quint16 len = qFromLittleEndian<quint16>(whole.constData() + pos);
            pos += 2;
            boundaries << pos - 1 << pos << pos + len;
            pos += len;
        }
        QCOMPARE(pos, whole.size());
        LanguageTables before;
        before.set(3, 7, u"keep me"_s);
        for (qsizetype cut : boundaries) {
            for (qsizetype at : {cut - 1, cut, cut + 1}) {
                if (at < 0 || at >= whole.size())
                    continue;
                QVERIFY(writeAll(path, whole.left(at)));
                LanguageTables tables = before;
                ScriptedMessenger load;
                QVERIFY2(!testsupport::loadLanguageFile(tables, path, load),
                         qPrintable(u"cut at %1"_s.arg(at)));
                QVERIFY(tables == before);
                QCOMPARE(load.titles(), QStringList{u"Error during loading #03"_s});
                ScriptedMessenger version;
                QCOMPARE(testsupport::languageFileVersion(path, version), QString());
                QCOMPARE(version.titles(), QStringList{u"Error #402"_s});
            }
        }
    }

    // A bookmarks file cut anywhere: "Error #202", the whole records before
    // the cut are kept, and the damaged file is kept beside itself.
    void bookmarksCutAnywhere()
    {
        const QStringList records{u"Apple\u00BDDefault\u00BD150\u00BD300\u00BD"_s, QString(),
                                  u"Pear\u00BDDefault\u00BD100\u00BD"_s};
        const QByteArray whole = *BookmarksFileBytes(records);
        const QString path = dir.filePath(u"bookmarks.dat"_s);
        LanguageTables lang;
        lang.set(7, 7, u"An error occurred while opening the bookmark file."_s);
        for (qsizetype at = 0; at <= whole.size(); ++at) {
            const QByteArray cut = whole.left(at);
            QVERIFY(writeAll(path, cut));
            QFile::remove(path + u".unreadable"_s);
            ScriptedMessenger m;
            const QStringList read = ProblemPresenter(lang, m).take(ReadBookmarks(path));
            if (at == whole.size()) {
                QCOMPARE(read, records);
                QVERIFY(m.shown.isEmpty());
                continue;
            }
            // Only records whose "¾" arrived are kept.
            const QByteArray text = cut.mid(6);
            const qsizetype ends = text.count('\xBE');
            QCOMPARE(read, records.mid(0, ends));
            QCOMPARE(m.titles(), QStringList{u"Error #202"_s});
            QCOMPARE(m.shown[0].text, lang.at(7, 7));
            QCOMPARE(testsupport::readAll(path + u".unreadable"_s), cut);
        }
    }

    void bookmarksDamaged_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<bool>("complete");
        const QByteArray text = "A\xBD\xBE"
                                "B\xBD\xBE";
        const QByteArray len = QByteArray("\x06\x00", 2);
        QTest::newRow("count 0") << QByteArray(le32(0) + len + text) << 0 << false;
        QTest::newRow("count -1") << QByteArray(le32(-1) + len + text) << 0 << false;
        QTest::newRow("count huge") << QByteArray(le32(std::numeric_limits<qint32>::max()) + len + text) << 2
                                    << false;
        QTest::newRow("length past the end") << QByteArray(le32(1) + "\xFF\xFF" + text) << 2 << false;
        QTest::newRow("two records, second whole")
            << QByteArray(le32(2) + len + text + len + text) << 2 << true;
        QTest::newRow("no terminator")
            << QByteArray(le32(1) + QByteArray("\x03\x00", 2) + "abc") << 0 << true;
        QTest::newRow("bytes that are no text")
            << QByteArray(le32(1) + QByteArray("\x05\x00", 2) + QByteArray("\x00\x81\x8D\xBE\xFF", 5)) << 1
            << true;
    }
    void bookmarksDamaged()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        QFETCH(bool, complete);
        const QString path = dir.filePath(u"damaged.dat"_s);
        QVERIFY(writeAll(path, bytes));
        QFile::remove(path + u".unreadable"_s);
        ScriptedMessenger m;
        const LanguageTables lang;
        const QStringList read = ProblemPresenter(lang, m).take(ReadBookmarks(path));
        QCOMPARE(read.size(), records);
        QCOMPARE(m.shown.isEmpty(), complete);
        QCOMPARE(QFile::exists(path + u".unreadable"_s), !complete);
        QCOMPARE(testsupport::readAll(path), bytes);
    }

    void languageFileIsAFolder()
    {
        const QString path = dir.filePath(u"folder.lsf"_s);
        QVERIFY(QDir().mkpath(path));
        LanguageTables tables;
        tables.set(1, 1, u"keep"_s);
        const LanguageTables before = tables;
        ScriptedMessenger m;
        QVERIFY(!testsupport::loadLanguageFile(tables, path, m));
        QVERIFY(tables == before);
    }
};

QTEST_GUILESS_MAIN(TestReaderFaults)
#include "test_reader_faults.moc"
