#include "dietlens/net/request.h"
#include "tests/support/scriptedhttpserver.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

using net::RequestCycle;
using net::RequestFailure;
using testsupport::ScriptedHttpServer;

class TestRequest : public QObject
{
    Q_OBJECT
    ScriptedHttpServer* server = nullptr;

    QByteArray url(const QByteArray& target) const
    {
        return "http://" + server->hostPort().toLatin1() + target;
    }

private Q_SLOTS:
    void init()
    {
        server = new ScriptedHttpServer(this);
        QVERIFY(server->start());
    }
    void cleanup()
    {
        delete server;
        server = nullptr;
    }

    void replies_data()
    {
        QTest::addColumn<ScriptedHttpServer::Reply>("reply");
        QTest::addColumn<QString>("body");
        QTest::addColumn<int>("status");

        QTest::newRow("plain") << ScriptedHttpServer::text("2.12") << QStringLiteral("2.12") << 200;
        QTest::newRow("windows-1252 bytes") << ScriptedHttpServer::text("Appel\xBD"
                                                                        "7\xBD\xBC\x80")
                                            << QStringLiteral("Appel½7½¼€") << 200;
        QTest::newRow("empty body") << ScriptedHttpServer::text("") << QString() << 200;
        QTest::newRow("error status with body is a reply")
            << ScriptedHttpServer::text("oops", 500) << QStringLiteral("oops") << 500;
        const auto page = ScriptedHttpServer::htmlPage(404);
        QTest::newRow("html error page") << page << QString::fromLatin1(page.body) << 404;
    }
    void replies()
    {
        QFETCH(ScriptedHttpServer::Reply, reply);
        QFETCH(QString, body);
        QFETCH(int, status);
        server->setReply("/r", reply);
        RequestCycle cycle;
        const auto result = cycle.get(url("/r"));
        QCOMPARE(result.failure, RequestFailure::None);
        QCOMPARE(result.body, body);
        QCOMPARE(result.httpStatus, status);
    }

    void refusedConnectionFails()
    {
        RequestCycle cycle;
        const auto result = cycle.get("http://" + ScriptedHttpServer::refusingHostPort().toLatin1() + "/x");
        QCOMPARE(result.failure, RequestFailure::Transport);
        QVERIFY(result.body.isEmpty());
        QVERIFY(result.transferError());
    }

    void hangUpFails()
    {
        ScriptedHttpServer::Reply r;
        r.hangUp = true;
        server->setReply("/h", r);
        RequestCycle cycle;
        QCOMPARE(cycle.get(url("/h")).failure, RequestFailure::Transport);
    }

    void malformedUrlFails()
    {
        RequestCycle cycle;
        bool started = false;
        connect(&cycle, &RequestCycle::requestSent, this, [&] { started = true; });
        QCOMPARE(cycle.get(QByteArray("http:///nohost")).failure, RequestFailure::Transport);
        QVERIFY(started);
    }

    void slowReplyTimesOut()
    {
        auto r = ScriptedHttpServer::text("late");
        r.delayMs = 3000;
        server->setReply("/slow", r);
        RequestCycle cycle;
        cycle.setLimits({300, 4 * 1024 * 1024});
        QElapsedTimer clock;
        clock.start();
        const auto result = cycle.get(url("/slow"));
        QCOMPARE(result.failure, RequestFailure::TimedOut);
        QVERIFY(result.body.isEmpty());
        QVERIFY(clock.elapsed() < 2500);
    }

    void slowReplyWithinTimeOutArrives()
    {
        auto r = ScriptedHttpServer::text("late");
        r.delayMs = 200;
        server->setReply("/slow", r);
        RequestCycle cycle;
        QCOMPARE(cycle.get(url("/slow")).body, QStringLiteral("late"));
    }

    void oversizedBodyFails()
    {
        server->setReply("/big", ScriptedHttpServer::text(QByteArray(5000, 'x')));
        server->setReply("/fits", ScriptedHttpServer::text(QByteArray(1000, 'x')));
        RequestCycle cycle;
        cycle.setLimits({20000, 1000});
        const auto big = cycle.get(url("/big"));
        QCOMPARE(big.failure, RequestFailure::TooLarge);
        QVERIFY(big.body.isEmpty());
        QCOMPARE(cycle.get(url("/fits")).body.size(), 1000);
    }

    void redirectOnSameHostIsFollowed()
    {
        server->setReply("/old", ScriptedHttpServer::redirect("/new"));
        server->setReply("/new", ScriptedHttpServer::text("moved"));
        RequestCycle cycle;
        const auto result = cycle.get(url("/old"));
        QCOMPARE(result.failure, RequestFailure::None);
        QCOMPARE(result.body, QStringLiteral("moved"));
    }

    void redirectToOtherHostFails()
    {
        ScriptedHttpServer other;
        QVERIFY(other.start());
        other.setReply("/new", ScriptedHttpServer::text("elsewhere"));
        server->setReply("/old",
                         ScriptedHttpServer::redirect("http://" + other.hostPort().toLatin1() + "/new"));
        RequestCycle cycle;
        const auto result = cycle.get(url("/old"));
        QCOMPARE(result.failure, RequestFailure::Redirected);
        QVERIFY(result.body.isEmpty());
        QCOMPARE(other.requestCount(), 0);
    }

    void encodedTargetArrivesUnchanged()
    {
        server->setReply("/q", ScriptedHttpServer::text("ok"));
        RequestCycle cycle;
        const QByteArray target = "/q?&code=6-2400-1&naam=A%20%26%20B&x=%E9%C3%A9~-._&email=&y=%3F";
        QCOMPARE(cycle.get(url(target)).body, QStringLiteral("ok"));
        QCOMPARE(server->lastTarget(), target);
    }

    void waitSignalsComeAroundTheWait()
    {
        server->setReply("/r", ScriptedHttpServer::text("x"));
        RequestCycle cycle;
        QStringList order;
        connect(&cycle, &RequestCycle::waitStarted, this,
                [&] { order << QStringLiteral("begin") << (cycle.isBusy() ? u"busy"_s : u"idle"_s); });
        connect(&cycle, &RequestCycle::waitEnded, this, [&] { order << QStringLiteral("end"); });
        connect(&cycle, &RequestCycle::requestSent, this, [&] { order << QStringLiteral("started"); });
        cycle.get(url("/r"));
        QCOMPARE(order, (QStringList{u"started"_s, u"begin"_s, u"busy"_s, u"end"_s}));
        QVERIFY(!cycle.isBusy());
    }

    void eventsAreProcessedDuringTheWait()
    {
        auto r = ScriptedHttpServer::text("x");
        r.delayMs = 300;
        server->setReply("/r", r);
        RequestCycle cycle;
        bool fired = false;
        QTimer::singleShot(50, this, [&] { fired = true; });
        cycle.get(url("/r"));
        QVERIFY(fired);
    }
};

QTEST_GUILESS_MAIN(TestRequest)
#include "test_request.moc"
