// The check-in and the food search against a scripted HTTP server, without a
// window: the check-in address and its version gate, the refusals of the
// search command, and the counting and saving of every search.
#include "dietlens/net/checkin.h"
#include "dietlens/net/connection.h"
#include "dietlens/net/foodsearch.h"
#include "dietlens/ui/problempresenter.h"
#include "files/cp1252.h"
#include "tests/support/scriptedhttpserver.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/setupuser.h"
#include "tests/support/testsupport.h"

#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

using namespace Qt::StringLiterals;

using testsupport::ScriptedHttpServer;
using Reply = ScriptedHttpServer::Reply;
using testsupport::kCheckinPath;
using testsupport::kSearchPath;

namespace {

// The settings file as the program writes it: count 1, then 21 fields of a
// 16-bit length and Windows-1252 bytes.
QByteArray settingsFileBytes(const Settings& s)
{
    QByteArray out(4, '\0');
    qToLittleEndian<qint32>(1, out.data());
    for (int n = 1; n <= Settings::kFieldCount; ++n) {
        const QByteArray text = cp1252::encode(s.field(n));
        char len[2];
        qToLittleEndian<quint16>(quint16(text.size()), len);
        out.append(len, 2);
        out += text;
    }
    return out;
}

} // namespace

class TestConnectionAndSearch : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<ScriptedHttpServer> server;
    std::unique_ptr<AppState> state;
    ScriptedMessenger messenger;
    std::unique_ptr<net::Connection> connection;
    std::unique_ptr<net::FoodSearch> search;

    QString F(int t, int i) const { return state->lang.at(t, i); }
    ProblemPresenter presenter() { return {state->lang, messenger}; }

    void checkIn(const Reply& reply)
    {
        server->setReply(kCheckinPath, reply);
        connection->ConnectToServer();
    }

    QMap<QByteArray, QString> lastQuery() const
    {
        QMap<QByteArray, QString> values;
        for (const auto& [key, value] : ScriptedHttpServer::queryPairs(server->lastTarget()))
            values.insert(key, ScriptedHttpServer::decodeValue(value));
        return values;
    }

private Q_SLOTS:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
        server = std::make_unique<ScriptedHttpServer>();
        QVERIFY(server->start());
        state = std::make_unique<AppState>();
        testsupport::prepareSetUpUser(*state, dir->path(), server->hostPort(),
                                      ScriptedHttpServer::refusingHostPort());
        net::SelectServer(state->settings, state->hosts, state->food);
        messenger.clear();
        connection = std::make_unique<net::Connection>(state->settings, state->hosts);
        connection->setMachineFacts({u"6-2400-142"_s, u"pc"_s, u"jan"_s, u"6.01"_s, u"jan@example.org"_s});
        search = std::make_unique<net::FoodSearch>(state->settings, state->paths, state->food);
        // As the main window does: every problem is shown when it is met.
        const auto show = [this](const Problem& problem) { presenter().show(problem); };
        QObject::connect(connection.get(), &net::Connection::problemFound, show);
        QObject::connect(search.get(), &net::FoodSearch::problemFound, show);
    }
    void cleanup()
    {
        search.reset();
        connection.reset();
        state.reset();
        server.reset();
        dir.reset();
    }

    void checkinUrl_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("optIn");
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("email");
        QTest::newRow("names") << u"Jan"_s << u"Jansen"_s << u"0"_s << u"Jan Jansen"_s << QString();
        QTest::newRow("ampersand stays in its value")
            << u"A &"_s << u"B"_s << u"0"_s << u"A & B"_s << QString();
        QTest::newRow("empty names give one blank")
            << QString() << QString() << u"0"_s << u" "_s << QString();
        QTest::newRow("mail with opt-in")
            << u"Jan"_s << u"Jansen"_s << u"1"_s << u"Jan Jansen"_s << u"jan@example.org"_s;
    }
    void checkinUrl()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, optIn);
        QFETCH(QString, naam);
        QFETCH(QString, email);
        state->settings.FirstName = first;
        state->settings.LastName = last;
        state->settings.MailOptIn = optIn;
        checkIn(ScriptedHttpServer::text("2.12"));
        QCOMPARE(server->requestCount(), 1);
        const QByteArray target = server->lastTarget();
        QVERIFY(target.startsWith(kCheckinPath + "?&code="));
        QList<QByteArray> keys;
        for (const auto& pair : ScriptedHttpServer::queryPairs(target))
            keys << pair.first;
        QCOMPARE(keys, (QList<QByteArray>{"code", "naam", "email", "comnaam", "winuser", "opdrachten",
                                          "traffic", "appver", "taal", "toevoegingen", "winver"}));
        const auto q = lastQuery();
        QCOMPARE(q.value("naam"), naam);
        QCOMPARE(q.value("email"), email);
        QCOMPARE(q.value("code"), u"6-2400-142"_s);
        QCOMPARE(q.value("opdrachten"), u"4"_s);
        QCOMPARE(q.value("traffic"), u"100"_s);
        QCOMPARE(q.value("appver"), u"2.12"_s);
        QCOMPARE(q.value("taal"), u"English.lsf"_s);
        QCOMPARE(q.value("toevoegingen"), u"2"_s);
        QCOMPARE(q.value("winver"), u"6.01"_s);
    }

    void emptyCountersAreSentAsZero()
    {
        state->settings.SearchCount.clear();
        state->settings.TrafficCount.clear();
        state->settings.AddedCount.clear();
        checkIn(ScriptedHttpServer::text("2.12"));
        const auto q = lastQuery();
        QCOMPARE(q.value("opdrachten"), u"0"_s);
        QCOMPARE(q.value("traffic"), u"0"_s);
        QCOMPARE(q.value("toevoegingen"), u"0"_s);
    }

    void checkinVersionGate_data()
    {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<int>("firstIcon");
        QTest::addColumn<bool>("connected");
        const QStringList none;
        const auto program = u"Dietlens"_s;
        QTest::newRow("same version") << ScriptedHttpServer::text("2.12") << false << none << 0 << true;
        QTest::newRow("lower version") << ScriptedHttpServer::text("2,05") << false << none << 0 << true;
        QTest::newRow("reply with line break")
            << ScriptedHttpServer::text("2.12\r\n") << false << none << 0 << true;
        QTest::newRow("newer version with comma")
            << ScriptedHttpServer::text("2,13") << false << QStringList{program}
            << int(MessageIcon::Information) << false;
        QTest::newRow("decimal comparison: 2.5 above 2.12")
            << ScriptedHttpServer::text("2.5") << false << QStringList{program}
            << int(MessageIcon::Information) << false;
        QTest::newRow("empty body") << ScriptedHttpServer::text("") << false << QStringList{program}
                                    << int(MessageIcon::Exclamation) << false;
        QTest::newRow("letters") << ScriptedHttpServer::text("abc") << false << QStringList{u"Error #101"_s}
                                 << int(MessageIcon::Critical) << false;
        QTest::newRow("html error page")
            << ScriptedHttpServer::htmlPage(500) << false << QStringList{u"Error #101"_s}
            << int(MessageIcon::Critical) << false;
        QTest::newRow("refused") << Reply() << true << QStringList{u"Error #105"_s, program}
                                 << int(MessageIcon::Critical) << false;
    }
    void checkinVersionGate()
    {
        QFETCH(Reply, reply);
        QFETCH(bool, refuse);
        QFETCH(QStringList, titles);
        QFETCH(int, firstIcon);
        QFETCH(bool, connected);
        if (refuse)
            state->hosts.checkin = ScriptedHttpServer::refusingHostPort();
        checkIn(reply);
        QCOMPARE(messenger.titles(), titles);
        if (!titles.isEmpty())
            QCOMPARE(int(messenger.shown.first().icon), firstIcon);
        QCOMPARE(connection->state(), connected ? 1.0f : 0.0f);
        QVERIFY(!connection->isBusy());
    }

    void checkinMessageTexts()
    {
        checkIn(ScriptedHttpServer::text(""));
        QCOMPARE(messenger.shown.at(0).text, F(1, 33) + u'\n' + F(1, 34) + u"\n\n"_s + F(1, 35));
        messenger.clear();
        checkIn(ScriptedHttpServer::text("2,13"));
        QCOMPARE(messenger.shown.at(0).text, F(1, 36) + u'\n' + F(1, 37) + u"\n\n"_s + F(1, 38));
        messenger.clear();
        checkIn(ScriptedHttpServer::text("x"));
        QCOMPARE(messenger.shown.at(0).text, F(1, 39) + u'\n' + F(1, 40) + u"\n\n"_s + F(1, 41));
    }

    void searchRefusals()
    {
        QVERIFY(!presenter().take(search->SearchAllowed(u"ap"_s, false)));
        QCOMPARE(messenger.titles(), QStringList{u"Error #112"_s});
        QCOMPARE(messenger.shown.first().icon, MessageIcon::Critical);
        QCOMPARE(messenger.shown.first().text, F(1, 61) + u'\n' + F(1, 62));
        messenger.clear();
        QVERIFY(presenter().take(search->SearchAllowed(u"ap "_s, false))); // blanks count
        QVERIFY(messenger.shown.isEmpty());
        QVERIFY(!presenter().take(search->SearchAllowed(u"apple"_s, true)));
        QCOMPARE(messenger.titles(), QStringList{u"Dietlens"_s});
        QCOMPARE(messenger.shown.first().icon, MessageIcon::Exclamation);
        QCOMPARE(messenger.shown.first().text, F(1, 59) + u'\n' + F(1, 60));
        QCOMPARE(server->requestCount(), 0);
        QCOMPARE(state->settings.SearchCount, u"4"_s);
    }

    void noResultsStillCountsAndSaves()
    {
        const Reply page = ScriptedHttpServer::htmlPage(404);
        server->setReply(kSearchPath, page);
        const std::optional<std::vector<FoodItem>> records = search->SearchFoodItems(u"zzz"_s);
        QVERIFY(records.has_value());
        QVERIFY(records->empty());
        QCOMPARE(messenger.titles(), QStringList{u"Dietlens"_s});
        QCOMPARE(messenger.shown.first().icon, MessageIcon::Information);
        QCOMPARE(messenger.shown.first().text, F(1, 28) + u" 'zzz'\n"_s + F(1, 29));
        QCOMPARE(state->settings.SearchCount, u"5"_s);
        QCOMPARE(state->settings.TrafficCount, QString::number(100 + page.body.size()));
        QCOMPARE(testsupport::readAll(state->paths.SettingsPath), settingsFileBytes(state->settings));
    }

    void failedSearchTransferIsCounted()
    {
        state->food.SearchUrl =
            u"http://"_s + ScriptedHttpServer::refusingHostPort() + u"/modules/swzoek.php"_s;
        const std::optional<std::vector<FoodItem>> records = search->SearchFoodItems(u"apple"_s);
        QVERIFY(records.has_value() && records->empty());
        QCOMPARE(messenger.titles(), (QStringList{u"Error #102"_s, u"Dietlens"_s}));
        QCOMPARE(state->settings.SearchCount, u"5"_s);
        QCOMPARE(state->settings.TrafficCount, u"100"_s);
        QVERIFY(!search->isBusy());
    }

    void searchWithoutAddressFailsUncounted()
    {
        // A hand-edited server choice other than 0 or 1 leaves no search address.
        state->settings.ServerChoice = u"5"_s;
        state->food.SearchUrl.clear();
        net::SelectServer(state->settings, state->hosts, state->food);
        QVERIFY(!search->SearchFoodItems(u"apple"_s).has_value());
        QCOMPARE(messenger.titles(), QStringList{u"Error #100"_s});
        QCOMPARE(state->settings.SearchCount, u"4"_s);
        QCOMPARE(server->requestCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestConnectionAndSearch)
#include "test_connection_search.moc"
