#include "dietlens/display/bookmarksfile.h"
#include "dietlens/ui/problempresenter.h"
#include "tests/dietlens/display/displaytexts.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray header(qint32 count)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(count) >> (8 * i)) & 0xFF);
    return b;
}

QByteArray text16(const QByteArray& bytes)
{
    QByteArray b;
    b.append(char(bytes.size() & 0xFF));
    b.append(char((bytes.size() >> 8) & 0xFF));
    return b + bytes;
}

const QString kApple = QStringLiteral("Apple\u00BDDefault\u00BD150\u00BD300\u00BD");
const QByteArray kAppleBytes = QByteArrayLiteral("Apple\xBD"
                                                 "Default\xBD"
                                                 "150\xBD"
                                                 "300\xBD");

// The reader and writer as the program uses them: what goes wrong is shown.
bool writeBookmarks(const QString& path, const QStringList& records, const LanguageTables& lang,
                    Messenger& messenger)
{
    return ProblemPresenter(lang, messenger).passed(WriteBookmarks(path, records));
}

QStringList readBookmarks(const QString& path, const LanguageTables& lang, Messenger& messenger)
{
    return ProblemPresenter(lang, messenger).take(ReadBookmarks(path));
}

} // namespace

class TestBookmarks : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    LanguageTables lang;
    ScriptedMessenger messenger;

    QString path() const { return dir.filePath(QStringLiteral("bookmarks.dat")); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        setDisplayTexts(lang);
    }
    void init()
    {
        messenger.clear();
        QFile::remove(path());
        QFile::remove(path() + QStringLiteral(".unreadable"));
    }

    void writtenBytes_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty buffer: count 1, length 0") << QStringList() << header(1) + text16({});
        QTest::newRow("one record") << QStringList{kApple} << header(1) + text16(kAppleBytes + '\xBE');
        QTest::newRow("empty lines stay") << QStringList{kApple, QString(), QStringLiteral("Caf\u00E9\u00BD")}
                                          << header(1) + text16(kAppleBytes + "\xBE\xBE"
                                                                              "Caf\xE9\xBD\xBE");
    }
    void writtenBytes()
    {
        QFETCH(QStringList, records);
        QFETCH(QByteArray, bytes);
        QVERIFY(writeBookmarks(path(), records, lang, messenger));
        QCOMPARE(testsupport::readAll(path()), bytes);
        QCOMPARE(readBookmarks(path(), lang, messenger), records);
        QVERIFY(messenger.shown.isEmpty());
        QVERIFY(!QFile::exists(path() + QStringLiteral(".unreadable")));
    }

    // Files as another writer may have left them.
    void reading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<bool>("complete");
        const QByteArray two = kAppleBytes + '\xBE' + "Pear\xBD\xBE";
        const QStringList both{kApple, QStringLiteral("Pear\u00BD")};

        QTest::newRow("count 2 uses the first text")
            << header(2) + text16(two) + text16("Other\xBD\xBE") << both << true;
        QTest::newRow("text after the last end is ignored")
            << header(1) + text16(two + "Plum\xBD") << both << true;
        QTest::newRow("bytes after the record are ignored")
            << header(1) + text16(two) + "junk" << both << true;
        QTest::newRow("truncated text keeps the whole records")
            << header(1) + text16(two + "Plum\xBD\xBE").chopped(3) << both << false;
        QTest::newRow("count 2, second text cut")
            << header(2) + text16(two) + text16("Other\xBE").chopped(2) << both << false;
        QTest::newRow("count 2, second length missing") << header(2) + text16(two) << both << false;
        QTest::newRow("length missing") << header(1) << QStringList() << false;
        QTest::newRow("count 0") << header(0) + text16(two) << QStringList() << false;
        QTest::newRow("negative count") << header(-1) + text16(two) << QStringList() << false;
        QTest::newRow("empty file") << QByteArray() << QStringList() << false;
        QTest::newRow("three bytes") << QByteArray("\x01\x00\x00", 3) << QStringList() << false;
        QTest::newRow("huge count") << header(0x7FFFFFFF) + text16(two) << both << false;
    }
    void reading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, records);
        QFETCH(bool, complete);
        QVERIFY(testsupport::writeAll(path(), bytes));
        QCOMPARE(readBookmarks(path(), lang, messenger), records);
        const QString copy = path() + QStringLiteral(".unreadable");
        if (complete) {
            QVERIFY(messenger.shown.isEmpty());
            QVERIFY(!QFile::exists(copy));
        } else {
            QCOMPARE(messenger.titles(), QStringList{QStringLiteral("Error #202")});
            QCOMPARE(messenger.shown[0].text,
                     QStringLiteral("An error occurred while opening the bookmark file."));
            QCOMPARE(messenger.shown[0].icon, MessageIcon::Critical);
            QCOMPARE(testsupport::readAll(copy), bytes);
        }
    }

    void missingFileShowsError202()
    {
        QCOMPARE(readBookmarks(path(), lang, messenger), QStringList());
        QCOMPARE(messenger.titles(), QStringList{QStringLiteral("Error #202")});
        QVERIFY(!QFile::exists(path() + QStringLiteral(".unreadable")));
    }

    void textOverTheLengthFieldIsRefusedBeforeWriting()
    {
        QVERIFY(writeBookmarks(path(), {kApple}, lang, messenger));
        const QByteArray old = testsupport::readAll(path());

        // 65,535 bytes fit exactly; one more does not.
        const QString fits = QString(kMaxBookmarkTextBytes - 1, QLatin1Char('x'));
        QVERIFY(BookmarksFileBytes({fits}));
        QCOMPARE(BookmarksFileBytes({fits})->size(), 6 + kMaxBookmarkTextBytes);
        QVERIFY(!BookmarksFileBytes({fits + QLatin1Char('x')}));

        QVERIFY(!writeBookmarks(path(), {fits + QLatin1Char('x')}, lang, messenger));
        QCOMPARE(messenger.titles(), QStringList{QStringLiteral("Error #203")});
        QCOMPARE(messenger.shown[0].text,
                 QStringLiteral("An error occurred while saving the bookmark file."));
        QCOMPARE(testsupport::readAll(path()), old);
    }

    void failedWriteKeepsTheOldFile()
    {
        // A folder where the file should be cannot be replaced by a file.
        const QString folder = dir.filePath(QStringLiteral("taken"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(!writeBookmarks(folder, {kApple}, lang, messenger));
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(
            !writeBookmarks(dir.filePath(QStringLiteral("no/such/folder/x.dat")), {kApple}, lang, messenger));
        QCOMPARE(messenger.titles(),
                 (QStringList{QStringLiteral("Error #203"), QStringLiteral("Error #203")}));
    }

    void exportEqualsTheBookmarksFile()
    {
        const QStringList records{kApple, QStringLiteral("Pear\u00BD")};
        const QString exported = dir.filePath(QStringLiteral("food"));
        QVERIFY(writeBookmarks(path(), records, lang, messenger));
        QVERIFY(writeBookmarks(exported, records, lang, messenger));
        QCOMPARE(testsupport::readAll(exported), testsupport::readAll(path()));
    }
};

QTEST_GUILESS_MAIN(TestBookmarks)
#include "test_bookmarksfile.moc"
