// Reading at most a given number of bytes: the bytes are the same as reading the whole file
// and cutting, whatever the file's size, the starting position and the limit.
#include "files/boundedread.h"

#include <QTemporaryDir>
#include <QTest>

class TestBoundedRead : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsWhatTheFileHoldsUpToTheLimit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("limit");
        QTest::newRow("empty file") << 0 << 0 << 1000;
        QTest::newRow("small file, large limit") << 200 << 0 << 16 * 1024 * 1024;
        QTest::newRow("file exactly the limit") << 4096 << 0 << 4096;
        QTest::newRow("file one past the limit") << 4097 << 0 << 4096;
        QTest::newRow("large file, small limit") << 300000 << 0 << 10;
        QTest::newRow("larger than one piece") << 200000 << 0 << 16 * 1024 * 1024;
        QTest::newRow("from the middle") << 1000 << 400 << 100;
        QTest::newRow("from the middle to the end") << 1000 << 400 << 5000;
        QTest::newRow("from the end") << 1000 << 1000 << 5000;
        QTest::newRow("limit 0") << 1000 << 0 << 0;
    }
    void readsWhatTheFileHoldsUpToTheLimit()
    {
        QFETCH(int, size);
        QFETCH(int, start);
        QFETCH(int, limit);
        QTemporaryDir dir;
        QByteArray content(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            content[i] = char(i * 7 + i / 251);
        QFile file(dir.filePath(QStringLiteral("f")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), qint64(size));
        file.close();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.seek(start));
        QCOMPARE(ReadAtMost(file, limit), content.mid(start, limit));
        QCOMPARE(file.error(), QFileDevice::NoError);
    }

    // /proc files say they hold nothing and still have content.
    void readsFilesWithoutAKnownSize()
    {
        QFile whole(QStringLiteral("/proc/self/maps"));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        QCOMPARE(whole.size(), qint64(0));
        const QByteArray all = ReadAtMost(whole, 1 << 30);
        QVERIFY(all.size() > 100);
        QVERIFY(all.endsWith('\n'));
        QFile limited(QStringLiteral("/proc/self/maps"));
        QVERIFY(limited.open(QIODevice::ReadOnly));
        QCOMPARE(ReadAtMost(limited, 50), all.left(50));
    }
};

QTEST_APPLESS_MAIN(TestBoundedRead)
#include "test_boundedread.moc"
