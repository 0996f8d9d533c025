#include "dietlens/core/appstate.h"
#include "dietlens/net/checkin.h"
#include "dietlens/net/search.h"
#include "dietlens/record/fooditem.h"
#include "tests/support/scriptedhttpserver.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace net;
using testsupport::ScriptedHttpServer;

class TestProtocol : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void encodeQueryValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("empty") << QString() << QByteArray();
        QTest::newRow("unreserved kept") << QStringLiteral("Az09-._~") << QByteArray("Az09-._~");
        QTest::newRow("blank and ampersand") << QStringLiteral("A & B") << QByteArray("A%20%26%20B");
        QTest::newRow("reserved") << QStringLiteral("?=/#+%") << QByteArray("%3F%3D%2F%23%2B%25");
        QTest::newRow("latin letter as 1252 byte") << QStringLiteral("Café") << QByteArray("Caf%E9");
        QTest::newRow("euro sign") << QStringLiteral("€") << QByteArray("%80");
        QTest::newRow("not in 1252") << QStringLiteral("a\u4E2Db") << QByteArray("a%3Fb");
        QTest::newRow("separators") << QStringLiteral("¼½¾") << QByteArray("%BC%BD%BE");
    }
    void encodeQueryValue()
    {
        QFETCH(QString, value);
        QFETCH(QByteArray, encoded);
        QCOMPARE(EncodeQueryValue(value), encoded);
    }

    void machineCode_data()
    {
        QTest::addColumn<QString>("cpuinfo");
        QTest::addColumn<QString>("code");
        QTest::newRow("x86") << QStringLiteral(
                                    "processor\t: 0\nvendor_id\t: GenuineIntel\ncpu family\t: 6\n"
                                    "model\t\t: 142\nmodel name\t: Some CPU\ncpu MHz\t\t: 2400.001\n\n"
                                    "processor\t: 1\ncpu family\t: 7\nmodel\t\t: 1\ncpu MHz\t\t: 800.0\n")
                             << QStringLiteral("6-2400-142");
        QTest::newRow("nothing readable") << QString() << QStringLiteral("0-0-0");
        QTest::newRow("no clock") << QStringLiteral("cpu family : 23\nmodel : 49\n")
                                  << QStringLiteral("23-0-49");
        QTest::newRow("garbage values")
            << QStringLiteral("cpu family : x\nmodel : -\ncpu MHz : ?\n") << QStringLiteral("0-0-0");
    }
    void machineCode()
    {
        QFETCH(QString, cpuinfo);
        QFETCH(QString, code);
        QCOMPARE(MachineCodeFromCpuInfo(cpuinfo), code);
    }

    void systemVersion_data()
    {
        QTest::addColumn<QString>("release");
        QTest::addColumn<QString>("version");
        QTest::newRow("debian") << QStringLiteral("6.1.0-18-amd64") << QStringLiteral("6.01");
        QTest::newRow("two-digit minor") << QStringLiteral("5.15.0") << QStringLiteral("5.15");
        QTest::newRow("zero minor") << QStringLiteral("6.0.2") << QStringLiteral("6.00");
        QTest::newRow("unreadable") << QStringLiteral("unknown") << QStringLiteral("0.00");
    }
    void systemVersion()
    {
        QFETCH(QString, release);
        QFETCH(QString, version);
        QCOMPARE(SystemVersionFromKernel(release), version);
    }

    void versionReply_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<float>("value");
        QTest::newRow("period") << QStringLiteral("2.12") << true << 2.12f;
        QTest::newRow("comma") << QStringLiteral("2,13") << true << 2.13f;
        QTest::newRow("line break around") << QStringLiteral(" 2.12\r\n") << true << 2.12f;
        QTest::newRow("whole number") << QStringLiteral("3") << true << 3.0f;
        QTest::newRow("letters") << QStringLiteral("abc") << false << 0.0f;
        QTest::newRow("number then text") << QStringLiteral("2.12 ok") << false << 0.0f;
        QTest::newRow("html") << QStringLiteral("<html>2.12</html>") << false << 0.0f;
        QTest::newRow("two separators") << QStringLiteral("2.1.2") << false << 0.0f;
        QTest::newRow("blank") << QStringLiteral("   ") << false << 0.0f;
        QTest::newRow("overflow") << QStringLiteral("1e99") << false << 0.0f;
    }
    void versionReply()
    {
        QFETCH(QString, reply);
        QFETCH(bool, valid);
        QFETCH(float, value);
        const auto parsed = ParseVersionReply(reply);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void versionsCompareAsDecimals()
    {
        // 2.12 is lower than 2.5; equal versions pass.
        QVERIFY(ProgramVersionValue(QStringLiteral("2.12")) < *ParseVersionReply(QStringLiteral("2.5")));
        QVERIFY(ProgramVersionValue(QStringLiteral("2.12")) >= *ParseVersionReply(QStringLiteral("2,12")));
        QVERIFY(ProgramVersionValue(QStringLiteral("2.12")) < *ParseVersionReply(QStringLiteral("2,13")));
    }

    void selectServer_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("storedChoice");
        QTest::addColumn<QString>("search");
        QTest::newRow("empty becomes English")
            << QString() << QStringLiteral("1") << QStringLiteral("http://en:1/modules/swzoek.php");
        QTest::newRow("0 Dutch") << QStringLiteral("0") << QStringLiteral("0")
                                 << QStringLiteral("http://nl:2/modules/swzoek.php");
        QTest::newRow("1 English") << QStringLiteral("1") << QStringLiteral("1")
                                   << QStringLiteral("http://en:1/modules/swzoek.php");
        QTest::newRow("other unchanged")
            << QStringLiteral("7") << QStringLiteral("7") << QStringLiteral("old");
    }
    void selectServer()
    {
        QFETCH(QString, choice);
        QFETCH(QString, storedChoice);
        QFETCH(QString, search);
        AppState state;
        state.hosts.foodEn = QStringLiteral("en:1");
        state.hosts.foodNl = QStringLiteral("nl:2");
        state.food.SearchUrl = state.food.SubmitUrl = QStringLiteral("old");
        state.settings.ServerChoice = choice;
        SelectServer(state.settings, state.hosts, state.food);
        QCOMPARE(state.settings.ServerChoice, storedChoice);
        QCOMPARE(state.food.SearchUrl, search);
        if (search != QLatin1String("old"))
            QCOMPARE(state.food.SubmitUrl, QString(search).replace(u"swzoek"_s, u"swadd"_s));
    }

    void checkinUrlOrderAndValues()
    {
        AppState state;
        state.hosts.checkin = QStringLiteral("host:81");
        state.settings.FirstName = QStringLiteral("A &");
        state.settings.LastName = QStringLiteral("B");
        state.settings.MailOptIn = QStringLiteral("1");
        state.settings.TrafficCount = QStringLiteral("1234");
        state.settings.LanguageFile = QStringLiteral("English.lsf");
        MachineFacts facts{u"6-2400-142"_s, u"pc 1"_s, u"jan"_s, u"6.01"_s, u"a@b.c"_s};
        QCOMPARE(BuildCheckinUrl(state.settings, state.hosts, facts),
                 QByteArray("http://host:81/modules/controle/dietlens_controle.php?&code=6-2400-142"
                            "&naam=A%20%26%20B&email=a%40b.c&comnaam=pc%201&winuser=jan&opdrachten=0"
                            "&traffic=1234&appver=2.12&taal=English.lsf&toevoegingen=0&winver=6.01"));
        state.settings.MailOptIn = QStringLiteral("0");
        QVERIFY(BuildCheckinUrl(state.settings, state.hosts, facts).contains("&email=&comnaam="));
    }

    void splitRecords_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("none") << QStringLiteral("<html>no</html>") << QStringList();
        QTest::newRow("two") << QStringLiteral("a½¼b½¼") << QStringList{u"a½"_s, u"b½"_s};
        QTest::newRow("last without end dropped") << QStringLiteral("a½¼b½") << QStringList{u"a½"_s};
        QTest::newRow("empty records kept") << QStringLiteral("¼¼x¼") << QStringList{u""_s, u""_s, u"x"_s};
    }
    void splitRecords()
    {
        QFETCH(QString, reply);
        QFETCH(QStringList, records);
        QCOMPARE(record::SplitRecords(reply), records);
        QCOMPARE(record::HasRecords(reply), !records.isEmpty());
    }

    void splitRecordsUpTo_data()
    {
        QTest::addColumn<int>("maxRecords");
        QTest::addColumn<QStringList>("records");
        QTest::newRow("no limit") << -1 << QStringList{u""_s, u"a½"_s, u"b"_s};
        QTest::newRow("more than there are") << 4 << QStringList{u""_s, u"a½"_s, u"b"_s};
        QTest::newRow("exactly as many") << 3 << QStringList{u""_s, u"a½"_s, u"b"_s};
        QTest::newRow("fewer: the first ones") << 2 << QStringList{u""_s, u"a½"_s};
        QTest::newRow("none") << 0 << QStringList();
    }
    void splitRecordsUpTo()
    {
        QFETCH(int, maxRecords);
        QTEST(record::SplitRecords(u"¼a½¼b¼tail"_s, maxRecords), "records");
    }

    void fieldsAndStatus_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("fieldCount");
        QTest::addColumn<int>("status");
        QTest::newRow("checked") << QStringLiteral("Apple½7½218½52½0.2½0.1½11.4½0.3½0.001½j½") << 10
                                 << int(FoodStatus::Checked);
        QTest::newRow("unchecked, trailing text dropped")
            << QStringLiteral("Pear½7½1½1½1½1½1½1½1½n½junk") << 10 << int(FoodStatus::Unchecked);
        QTest::newRow("short record") << QStringLiteral("Pear½7½1½") << 3 << int(FoodStatus::Unknown);
        QTest::newRow("odd status") << QStringLiteral("P½½½½½½½½½x½") << 10 << int(FoodStatus::Unknown);
        QTest::newRow("empty") << QString() << 0 << int(FoodStatus::Unknown);
    }
    void fieldsAndStatus()
    {
        QFETCH(QString, record);
        QFETCH(int, fieldCount);
        QFETCH(int, status);
        QCOMPARE(record::splitFields(record).size(), fieldCount);
        QCOMPARE(int(record::ParseFoodItem(record).status), status);
    }

    void searchUrlEncodesTheTerm()
    {
        QCOMPARE(BuildSearchUrl(u"http://h:1/modules/swzoek.php"_s, u"rode kool & ui"_s),
                 QByteArray("http://h:1/modules/swzoek.php?item=rode%20kool%20%26%20ui"));
    }
};

QTEST_GUILESS_MAIN(TestProtocol)
#include "test_protocol.moc"
