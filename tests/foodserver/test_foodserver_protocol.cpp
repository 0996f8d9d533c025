// The food server's protocol over real HTTP: a server runs in this process on a free
// loopback port with a fresh database filled from the Indian table (542 foods). The suite runs
// once per database engine (testdb.h).
#include "foodserver/httpserver.h"
#include "foodserver/service.h"
#include "tests/foodserver/rawhttp.h"
#include "tests/foodserver/testdb.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

using namespace foodserver;

namespace {

class RunningServer
{
public:
    ~RunningServer() { stop(); }

    bool start(const QString& dbPath, std::size_t maxResults = 200, const std::string& minVersion = "2.12",
               int keepCheckinDays = 90)
    {
        ServiceOptions options;
        options.keepCheckinDays = keepCheckinDays;
        options.dbPath = dbPath.toStdString();
        options.dataset = "ifct2017";
        options.maxResults = maxResults;
        options.minVersion = minVersion;
        std::string error;
        service_ = FoodService::open(options, error);
        if (!service_) {
            qWarning("%s", error.c_str());
            return false;
        }
        http_ = std::make_unique<HttpServer>(*service_);
        http_->setLogSink(nullptr);
        if (!http_->bind("127.0.0.1", 0, error)) {
            qWarning("%s", error.c_str());
            return false;
        }
        thread_ = std::thread([this] { http_->run(); });
        return true;
    }

    void stop()
    {
        if (http_)
            http_->stop();
        if (thread_.joinable())
            thread_.join();
        http_.reset();
        service_.reset();
    }

    int port() const { return http_->port(); }

    rawhttp::Reply get(const QByteArray& target) const { return rawhttp::get(port(), target); }

private:
    std::unique_ptr<FoodService> service_;
    std::unique_ptr<HttpServer> http_;
    std::thread thread_;
};

QByteArray searchTarget(const QByteArray& term)
{
    return "/modules/swzoek.php?item=" + term;
}

// A valid submission; each override replaces the value of one key ("-" drops the key).
QByteArray submitTarget(const QList<QPair<QByteArray, QByteArray>>& overrides = {})
{
    QList<QPair<QByteArray, QByteArray>> pairs = {
        {"naam", "Cr%E8me%20br%FBl%E9e"},
        {"kj", "1000"},
        {"kcal", "239"},
        {"vvet", "10"},
        {"ovet", "5"},
        {"kdr", "30"},
        {"ew", "4.5"},
        {"nat", "0.05"},
        {"opmerking", "home%20made"},
        {"gepost", "Jan%20Jansen"},
    };
    for (const auto& [key, value] : overrides) {
        for (auto& pair : pairs) {
            if (pair.first == key)
                pair.second = value;
        }
    }
    QByteArray target = "/modules/swadd.php?";
    for (const auto& [key, value] : pairs) {
        if (value == "-")
            continue;
        if (!target.endsWith('?'))
            target += '&';
        target += key + '=' + value;
    }
    return target;
}

// Records of a reply, each split into its fields (the text after the last "½" dropped).
QList<QList<QByteArray>> records(const QByteArray& body)
{
    QList<QList<QByteArray>> result;
    QList<QByteArray> parts = body.split('\xBC');
    parts.removeLast(); // text after the last record terminator
    for (const QByteArray& record : parts) {
        QList<QByteArray> fields = record.split('\xBD');
        fields.removeLast();
        result.append(fields);
    }
    return result;
}

const QByteArray kCremeRecordTail = "\xBD"
                                    "1000\xBD"
                                    "239\xBD"
                                    "5\xBD"
                                    "10\xBD"
                                    "30\xBD"
                                    "4.5\xBD"
                                    "0.05\xBDn\xBD\xBC";

} // namespace

class TestFoodServerProtocol : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString location_;
    RunningServer server_;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        location_ = testdb::freshLocation(dir_, QStringLiteral("shared"));
        QVERIFY(server_.start(location_));
    }

    void searchReplyIsByteExact()
    {
        const rawhttp::Reply reply = server_.get(searchTarget("ricebean"));
        QCOMPARE(reply.status, 200);
        QVERIFY(reply.head.contains("Content-Type: text/plain; charset=windows-1252"));
        QCOMPARE(reply.body, QByteArray("Ricebean\xBD"
                                        "47\xBD"
                                        "1265\xBD"
                                        "302.342\xBD"
                                        "0.4199\xBD"
                                        "0.172\xBD"
                                        "51.26\xBD"
                                        "19.97\xBD"
                                        "0.01062\xBDj\xBD\xBC"));
    }

    void termsThatFindNothing_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::newRow("two characters") << searchTarget("ri");
        QTest::newRow("two escaped characters") << searchTarget("%52%49");
        QTest::newRow("empty") << searchTarget("");
        QTest::newRow("no item key") << QByteArray("/modules/swzoek.php?term=rice");
        QTest::newRow("no query") << QByteArray("/modules/swzoek.php");
        QTest::newRow("record separator") << searchTarget("rice%BC");
        QTest::newRow("field separator") << searchTarget("ric%BDe");
        QTest::newRow("entry separator raw") << searchTarget("\xBErice");
        QTest::newRow("nonsense") << searchTarget("qzxqzx");
    }
    void termsThatFindNothing()
    {
        QFETCH(QByteArray, target);
        const rawhttp::Reply reply = server_.get(target);
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.body, QByteArray());
    }

    void matchingIgnoresCase_data()
    {
        QTest::addColumn<QByteArray>("term");
        QTest::newRow("lower") << QByteArray("ricebean");
        QTest::newRow("upper") << QByteArray("RICEBEAN");
        QTest::newRow("mixed, escaped") << QByteArray("%52iCe%42ean");
        QTest::newRow("three characters") << QByteArray("RIC");
    }
    void matchingIgnoresCase()
    {
        QFETCH(QByteArray, term);
        const auto found = records(server_.get(searchTarget(term)).body);
        QVERIFY(!found.isEmpty());
        bool hasRicebean = false;
        for (const auto& fields : found)
            hasRicebean |= fields.value(0) == "Ricebean";
        QVERIFY(hasRicebean);
    }

    void everyNameHoldingTheWordIsFound()
    {
        // Five names start with "chicken", two more hold it further on.
        const auto found = records(server_.get(searchTarget("chicken")).body);
        QCOMPARE(found.size(), 7);
        for (const auto& fields : found) {
            QCOMPARE(fields.size(), 10);
            QVERIFY2(fields.at(0).toLower().contains("chicken"), fields.at(0).constData());
        }
    }

    void atMostMaxResults()
    {
        QTemporaryDir dir;
        RunningServer small;
        QVERIFY(small.start(testdb::freshLocation(dir, QStringLiteral("small")), 3));
        QCOMPARE(records(small.get(searchTarget("oil")).body).size(), 3);
        // The cap applies after ranking: the best three are the ones kept.
        QCOMPARE(records(small.get(searchTarget("rice")).body),
                 records(server_.get(searchTarget("rice")).body).mid(0, 3));
    }

    void checkinAnswersTheVersionAndIsRecorded()
    {
        const QByteArray target = "/modules/controle/dietlens_controle.php?&code=6-2400-1&naam=Jan%20J%E8nsen"
                                  "&email=&comnaam=pc1&winuser=jan&opdrachten=12&traffic=3456&appver=2.12"
                                  "&taal=English.lsf&toevoegingen=1&winver=6.01";
        const rawhttp::Reply reply = server_.get(target);
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.body, QByteArray("2.12"));

        const auto found =
            testdb::rows(location_, "SELECT code, naam, email, comnaam, winuser, opdrachten, traffic, "
                                    "appver, taal, toevoegingen, winver, peer, received FROM checkins "
                                    "ORDER BY id DESC LIMIT 1");
        QCOMPARE(found.size(), 1);
        QStringList values = found.first();
        const QString received = values.takeLast();
        QCOMPARE(values,
                 QStringList({QStringLiteral("6-2400-1"), QStringLiteral("Jan J\u00E8nsen"), QString(),
                              QStringLiteral("pc1"), QStringLiteral("jan"), QStringLiteral("12"),
                              QStringLiteral("3456"), QStringLiteral("2.12"), QStringLiteral("English.lsf"),
                              QStringLiteral("1"), QStringLiteral("6.01"), QStringLiteral("127.0.0.1")}));
        QVERIFY(received.startsWith(QStringLiteral("20")));
    }

    void checkinAnswersTheConfiguredVersionWithoutKeys()
    {
        QTemporaryDir dir;
        RunningServer other;
        QVERIFY(other.start(testdb::freshLocation(dir, QStringLiteral("v")), 200, "2.5"));
        QCOMPARE(other.get("/modules/controle/dietlens_controle.php").body, QByteArray("2.5"));
    }

    // Check-ins older than the keeping time go at start; with 0 days none is stored or kept.
    void oldCheckinsAreDeleted()
    {
        QTemporaryDir dir;
        const QString db = testdb::freshLocation(dir, QStringLiteral("keep"));
        const QByteArray checkin = "/modules/controle/dietlens_controle.php?&code=1&naam=Jan";
        {
            RunningServer first;
            QVERIFY(first.start(db));
            QCOMPARE(first.get(checkin).body, QByteArray("2.12"));
        }
        QVERIFY(testdb::exec(
            db, "INSERT INTO checkins (received, peer, naam) VALUES "
                "('2001-02-03T04:05:06Z', 'old', 'Old'), ('2099-01-01T00:00:00Z', 'late', 'Late')"));
        auto peers = [&] {
            QStringList out;
            for (const QStringList& row : testdb::rows(db, "SELECT peer FROM checkins ORDER BY peer"))
                out << row.value(0);
            return out;
        };
        {
            RunningServer second;
            QVERIFY(second.start(db, 200, "2.12", 30));
            QCOMPARE(peers(), QStringList({QStringLiteral("127.0.0.1"), QStringLiteral("late")}));
        }
        RunningServer none;
        QVERIFY(none.start(db, 200, "2.12", 0));
        QCOMPARE(none.get(checkin).body, QByteArray("2.12"));
        QCOMPARE(peers(), QStringList());
    }

    // A database of a newer foodserver is refused rather than written in a form it may not read.
    void newerSchemaIsRefused()
    {
        QTemporaryDir dir;
        const QString db = testdb::freshLocation(dir, QStringLiteral("newer"));
        {
            RunningServer first;
            QVERIFY(first.start(db));
        }
        QVERIFY(testdb::exec(db, "UPDATE meta SET value = '99' WHERE key = 'schema'"));
        ServiceOptions options;
        options.dbPath = db.toStdString();
        std::string error;
        QVERIFY(!FoodService::open(options, error));
        QVERIFY2(error.find("schema 99") != std::string::npos, error.c_str());
    }

    // Files written before foods had revisions are migrated at start and keep their foods.
    void sqliteFileOfTheFirstSchemaIsMigrated()
    {
        if (testdb::isPostgres())
            QSKIP("the first schema existed only in SQLite files");
        QTemporaryDir dir;
        const QString db = dir.filePath(QStringLiteral("old.db"));
        QVERIFY(testdb::exec(
            db,
            "CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL);"
            "INSERT INTO meta VALUES ('dataset', 'ifct2017');"
            "CREATE TABLE foods (id INTEGER PRIMARY KEY, name TEXT NOT NULL, kj REAL NOT NULL, kcal REAL NOT "
            "NULL,"
            " unsaturated_fat REAL NOT NULL, saturated_fat REAL NOT NULL, carbohydrates REAL NOT NULL,"
            " protein REAL NOT NULL, sodium REAL NOT NULL, checked INTEGER NOT NULL);"
            "INSERT INTO foods VALUES (7, 'Old soup', 100, 24, 1, 2, 3, 4, 0.5, 0);"
            "CREATE TABLE submissions (id INTEGER PRIMARY KEY, food_id INTEGER NOT NULL REFERENCES foods(id),"
            " remarks TEXT NOT NULL, sender TEXT NOT NULL, peer TEXT NOT NULL, received TEXT NOT NULL);"
            "CREATE TABLE checkins (id INTEGER PRIMARY KEY, received TEXT NOT NULL, peer TEXT NOT NULL,"
            " code TEXT, naam TEXT, email TEXT, comnaam TEXT, winuser TEXT, opdrachten TEXT, traffic TEXT,"
            " appver TEXT, taal TEXT, toevoegingen TEXT, winver TEXT);"));
        RunningServer server;
        QVERIFY(server.start(db));
        QCOMPARE(records(server.get(searchTarget("old%20soup")).body).size(), 1);
        QCOMPARE(server.get(submitTarget()).body, QByteArray("OK"));
        QCOMPARE(records(server.get(searchTarget("cr%E8me")).body).value(0).value(1), QByteArray("8"));
        QCOMPARE(testdb::rows(db, "SELECT value FROM meta WHERE key = 'schema'").value(0).value(0),
                 QStringLiteral("2"));
    }

    void submissionIsFoundUncheckedAndSurvivesRestart()
    {
        QTemporaryDir dir;
        const QString db = testdb::freshLocation(dir, QStringLiteral("restart"));
        const QByteArray expected = "Cr\xE8me br\xFBl\xE9"
                                    "e\xBD"
                                    "543" +
                                    kCremeRecordTail;
        {
            RunningServer first;
            QVERIFY(first.start(db));
            const rawhttp::Reply reply = first.get(submitTarget());
            QCOMPARE(reply.body, QByteArray("OK"));
            QCOMPARE(first.get(searchTarget("cr%E8me")).body, expected);
        }
        RunningServer second;
        QVERIFY(second.start(db));
        QCOMPARE(second.get(searchTarget("CR%C8ME")).body, expected);           // case folding of "è"
        QCOMPARE(second.get(searchTarget("br\xFBl")).body, expected);           // raw Windows-1252 byte
        QCOMPARE(records(second.get(searchTarget("ricebean")).body).size(), 1); // no second import
    }

    void submissionsThatAreAccepted_data()
    {
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QByteArray>("term");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("plus is a plus sign")
            << submitTarget({{"naam", "Salt+pepper%20mix"}}) << QByteArray("salt+pepper")
            << QByteArray("Salt+pepper mix\xBD"
                          "543") +
                   kCremeRecordTail;
        QTest::newRow("separators removed, blanks trimmed")
            << submitTarget({{"naam", "%20Qwer%BDty%BC%20tea%BE%20"}}) << QByteArray("qwerty tea")
            << QByteArray("Qwerty tea\xBD"
                          "544") +
                   kCremeRecordTail;
        QTest::newRow("comma as decimal point")
            << submitTarget({{"naam", "Comma%20cake"}, {"ew", "4,5"}}) << QByteArray("comma cake")
            << QByteArray("Comma cake\xBD"
                          "545") +
                   kCremeRecordTail;
        QTest::newRow("kj left empty is computed")
            << submitTarget({{"naam", "Energy%20bar"}, {"kj", ""}, {"kcal", "500"}, {"kdr", "0"}})
            << QByteArray("energy bar")
            << QByteArray("Energy bar\xBD"
                          "546\xBD"
                          "2092\xBD"
                          "500\xBD"
                          "5\xBD"
                          "10\xBD"
                          "0\xBD"
                          "4.5\xBD"
                          "0.05\xBDn\xBD\xBC");
    }
    void submissionsThatAreAccepted()
    {
        QFETCH(QByteArray, target);
        QFETCH(QByteArray, term);
        QFETCH(QByteArray, expected);
        QCOMPARE(server_.get(target).body, QByteArray("OK"));
        QCOMPARE(server_.get(searchTarget(term.replace(' ', "%20"))).body, expected);
    }

    void submissionsThatAreRefused_data()
    {
        QTest::addColumn<QByteArray>("target");
        const QByteArray longName(101, 'x');
        QTest::newRow("no name key") << submitTarget({{"naam", "-"}});
        QTest::newRow("empty name") << submitTarget({{"naam", ""}});
        QTest::newRow("only separators and blanks") << submitTarget({{"naam", "%BC%BD%20%BE"}});
        QTest::newRow("name of 101 characters") << submitTarget({{"naam", longName}});
        QTest::newRow("kj missing") << submitTarget({{"kj", "-"}});
        QTest::newRow("nat missing") << submitTarget({{"nat", "-"}});
        QTest::newRow("ew empty") << submitTarget({{"ew", ""}});
        QTest::newRow("both energies empty") << submitTarget({{"kj", ""}, {"kcal", ""}});
        QTest::newRow("kj letters") << submitTarget({{"kj", "abc"}});
        QTest::newRow("kj trailing letters") << submitTarget({{"kj", "1000kJ"}});
        QTest::newRow("kj infinite") << submitTarget({{"kj", "inf"}});
        QTest::newRow("kj overflow") << submitTarget({{"kj", "1e999"}});
        QTest::newRow("kj negative") << submitTarget({{"kj", "-1"}, {"kcal", "0"}});
        QTest::newRow("vvet negative") << submitTarget({{"vvet", "-0.5"}});
        QTest::newRow("kj above 4000") << submitTarget({{"kj", "4001"}, {"kcal", "956"}});
        QTest::newRow("kcal alone above 4000 kJ") << submitTarget({{"kj", ""}, {"kcal", "1000"}});
        QTest::newRow("ovet above 100") << submitTarget({{"ovet", "100.5"}});
        QTest::newRow("kdr above 100") << submitTarget({{"kdr", "101"}});
        QTest::newRow("ew above 100") << submitTarget({{"ew", "150"}});
        QTest::newRow("nat above 100") << submitTarget({{"nat", "100.01"}});
        QTest::newRow("kcal too high for kj") << submitTarget({{"kcal", "300"}});
        QTest::newRow("kcal too low for kj") << submitTarget({{"kcal", "200"}});
    }
    void submissionsThatAreRefused()
    {
        QFETCH(QByteArray, target);
        // A name of its own, so a search can show that nothing was stored.
        const QByteArray name = "Refused%20item%20" + QByteArray(QTest::currentDataTag()).toHex();
        target.replace("naam=Cr%E8me%20br%FBl%E9e", "naam=" + name);
        const rawhttp::Reply reply = server_.get(target);
        QCOMPARE(reply.status, 200);
        QVERIFY2(reply.body.startsWith("ERROR "), reply.body.constData());
        QCOMPARE(server_.get(searchTarget(name)).body, QByteArray());
    }

    void boundaryValuesAreAccepted()
    {
        const QByteArray name100(100, 'y');
        QCOMPARE(server_
                     .get(submitTarget({{"naam", name100 + "%BD"},
                                        {"kj", "4000"},
                                        {"kcal", "956"},
                                        {"vvet", "100"},
                                        {"nat", "0"}}))
                     .body,
                 QByteArray("OK"));
        // Whole-number rounding of small energies: 2 kJ is 0.48 kcal, sent as 0.
        QCOMPARE(server_.get(submitTarget({{"naam", "Diet%20drink"}, {"kj", "2"}, {"kcal", "0"}})).body,
                 QByteArray("OK"));
    }

    void otherPaths()
    {
        const rawhttp::Reply page = server_.get("/");
        QCOMPARE(page.status, 200);
        QVERIFY(page.head.contains("Content-Type: text/html"));
        QVERIFY(page.body.contains("Indian Food Composition Tables 2017"));

        const rawhttp::Reply missing = server_.get("/modules/other.php?item=rice");
        QCOMPARE(missing.status, 404);
        QVERIFY(!missing.body.isEmpty());
        QVERIFY(missing.body.size() < 100);
    }

    void answersAfterMalformedRequests()
    {
        QRandomGenerator random(42);
        for (int i = 0; i < 20; ++i) {
            QByteArray garbage(int(random.bounded(1, 400)), Qt::Uninitialized);
            for (char& c : garbage)
                c = char(random.bounded(256));
            rawhttp::exchange(server_.port(), garbage, true);
        }
        // Twice the longest address the server takes. (Far longer ones, while the client is
        // still sending, newer HTTP libraries answer by closing the connection.)
        const rawhttp::Reply tooLong = server_.get(searchTarget(QByteArray(16 * 1024, 'a')));
        QCOMPARE(tooLong.status, 414);
        rawhttp::exchange(server_.port(), "GET /modules/swzoek.php?item=ri", true); // never finished
        QVERIFY(rawhttp::exchange(server_.port(), "POST /modules/swadd.php HTTP/1.1\r\nHost: x\r\n\r\n")
                    .startsWith("HTTP/1.1 405"));
        QCOMPARE(server_.get("/modules/swadd.php").body.left(6), QByteArray("ERROR "));
        QCOMPARE(records(server_.get(searchTarget("ricebean")).body).size(), 1);
    }

    // A hundred clients connecting in the same moment must all be let in at once: the kernel
    // completes connections into the listen queue before the server accepts them, and one
    // dropped from a short queue retries only after a second or more.
    void burstOfConnectionsIsQueuedNotDropped()
    {
        ServiceOptions options;
        options.dbPath = testdb::freshLocation(dir_, QStringLiteral("burst")).toStdString();
        options.dataset = "ifct2017";
        std::string error;
        const auto service = FoodService::open(options, error);
        QVERIFY2(service, error.c_str());
        HttpServer http(*service);
        QVERIFY2(http.bind("127.0.0.1", 0, error), error.c_str()); // bound, not accepting yet

        constexpr int kClients = 64;
        std::vector<int> sockets;
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(quint16(http.port()));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        for (int i = 0; i < kClients; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            QVERIFY(fd >= 0);
            sockets.push_back(fd);
            ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        }
        int connected = 0;
        for (int fd : sockets) {
            pollfd p{fd, POLLOUT, 0};
            int failure = 0;
            socklen_t size = sizeof failure;
            if (::poll(&p, 1, 300) == 1 && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &failure, &size) == 0 &&
                failure == 0)
                ++connected;
            ::close(fd);
        }
        QCOMPARE(connected, kClients);
    }
};

FOODSERVER_ENGINE_TEST_MAIN(TestFoodServerProtocol)
#include "test_foodserver_protocol.moc"
