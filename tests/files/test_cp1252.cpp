#include "files/cp1252.h"

#include <QTest>

class TestCp1252 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = cp1252::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(cp1252::encode(text), all);
    }

    void theDifferingHighBytes_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        QTest::newRow("euro") << 0x80 << 0x20AC;
        QTest::newRow("ellipsis") << 0x85 << 0x2026;
        QTest::newRow("S caron") << 0x8A << 0x0160;
        QTest::newRow("left quote") << 0x91 << 0x2018;
        QTest::newRow("em dash") << 0x97 << 0x2014;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
        QTest::newRow("three quarters") << 0xBE << 0x00BE;
        QTest::newRow("one half") << 0xBD << 0x00BD;
        QTest::newRow("e grave") << 0xE8 << 0x00E8;
    }
    void theDifferingHighBytes()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QString s = cp1252::decode(QByteArray(1, char(byte)));
        QCOMPARE(int(s.at(0).unicode()), unicode);
        QCOMPARE(cp1252::encode(s), QByteArray(1, char(byte)));
    }

    void unmappableBecomesQuestionMark()
    {
        QCOMPARE(cp1252::encode(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
        QCOMPARE(cp1252::encode(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
        QVERIFY(!cp1252::canEncode(QStringLiteral("\u0100")));
        QVERIFY(cp1252::canEncode(QStringLiteral("caf\u00E9 \u20AC")));
    }
};

QTEST_APPLESS_MAIN(TestCp1252)
#include "test_cp1252.moc"
