// The request cycle against broken servers: every case must end within the
// time-out, keep the event loop running while it waits, and end either in the
// reply or in a failure with an empty body. The cycle is used again after
// each case to show that nothing was left behind.
#include "dietlens/net/request.h"
#include "files/cp1252.h"
#include "tests/hardening/rawhttpserver.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using faults::RawHttpServer;
using net::RequestCycle;
using net::RequestFailure;
using Steps = QList<RawHttpServer::Step>;

Q_DECLARE_METATYPE(Steps)

namespace {

constexpr int kAnyFailure = -1;
constexpr int kEitherWay = -2; // a reply or a failure, as long as it ends cleanly

QByteArray header(const QByteArray& status, const QByteArray& fields)
{
    return "HTTP/1.1 " + status + "\r\n" + fields + "Connection: close\r\n\r\n";
}

QByteArray allByteValues()
{
    QByteArray out;
    for (int i = 0; i < 256; ++i)
        out += char(i);
    return out;
}

} // namespace

class TestRequestFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void brokenServers_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<bool>("keepOpen");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QByteArray>("body");

        const QByteArray tenMB(10 * 1024 * 1024, 'x');
        const QByteArray page = "<html><head><title>500 Internal Server Error</title></head>"
                                "<body><h1>Internal Server Error</h1></body></html>";
        QByteArray chunkedTen;
        for (int i = 0; i < 160; ++i)
            chunkedTen += "10000\r\n" + QByteArray(0x10000, 'y') + "\r\n";
        Steps trickle{{header("200 OK", "Content-Length: 100\r\n"), 0}};
        for (int i = 0; i < 60; ++i)
            trickle.append({"z", 25});

        QTest::newRow("closes without a word")
            << Steps{} << false << 2000 << int(RequestFailure::Transport) << QByteArray();
        QTest::newRow("accepts and stays silent")
            << Steps{} << true << 300 << int(RequestFailure::TimedOut) << QByteArray();
        QTest::newRow("header, then silence")
            << Steps{{header("200 OK", "Content-Length: 10\r\n") + "abc", 0}} << true << 300
            << int(RequestFailure::TimedOut) << QByteArray();
        QTest::newRow("trickle past the time-out")
            << trickle << true << 300 << int(RequestFailure::TimedOut) << QByteArray();
        QTest::newRow("body shorter than announced")
            << Steps{{header("200 OK", "Content-Length: 100\r\n") + "2.12", 0}} << false << 2000
            << int(RequestFailure::Transport) << QByteArray();
        // Qt may take a chunked body that stops early as complete; what arrived
        // is then the reply (a search reply loses only its cut record).
        QTest::newRow("chunked body cut inside a chunk")
            << Steps{{header("200 OK", "Transfer-Encoding: chunked\r\n") + "5\r\nabc", 0}} << false << 2000
            << kEitherWay << QByteArray();
        QTest::newRow("chunked body cut after a chunk")
            << Steps{{header("200 OK", "Transfer-Encoding: chunked\r\n") + "5\r\nabcde\r\n", 0}} << false
            << 2000 << kEitherWay << QByteArray();
        QTest::newRow("10 MB announced")
            << Steps{{header("200 OK", "Content-Length: 10485760\r\n") + tenMB, 0}} << false << 5000
            << int(RequestFailure::TooLarge) << QByteArray();
        QTest::newRow("10 MB until the connection closes")
            << Steps{{header("200 OK", "") + tenMB, 0}} << false << 5000 << int(RequestFailure::TooLarge)
            << QByteArray();
        QTest::newRow("10 MB in chunks")
            << Steps{{header("200 OK", "Transfer-Encoding: chunked\r\n") + chunkedTen + "0\r\n\r\n", 0}}
            << false << 5000 << int(RequestFailure::TooLarge) << QByteArray();
        QTest::newRow("HTTP 500 page is a reply")
            << Steps{{header("500 Internal Server Error", "Content-Type: text/html\r\nContent-Length: " +
                                                              QByteArray::number(page.size()) + "\r\n") +
                          page,
                      0}}
            << false << 2000 << int(RequestFailure::None) << page;
        QTest::newRow("gzip body that is not gzip")
            << Steps{{header("200 OK", "Content-Encoding: gzip\r\nContent-Length: 16\r\n") +
                          "2.12, not packed",
                      0}}
            << false << 2000 << int(RequestFailure::Transport) << QByteArray();
        // Packed by the server (a proxy may do so): Qt unpacks it, and the
        // announced length is that of the packed bytes, here longer than the text.
        const QByteArray packed = qCompress(QByteArray("2.12")).mid(4);
        QTest::newRow("deflate body is unpacked")
            << Steps{{header("200 OK", "Content-Encoding: deflate\r\nContent-Length: " +
                                           QByteArray::number(packed.size()) + "\r\n") +
                          packed,
                      0}}
            << false << 2000 << int(RequestFailure::None) << QByteArray("2.12");
        QTest::newRow("HTTP 404 page is a reply")
            << Steps{{header("404 Not Found", "Content-Length: 9\r\n") + "not found", 0}} << false << 2000
            << int(RequestFailure::None) << QByteArray("not found");
        QTest::newRow("every byte value")
            << Steps{{header("200 OK", "Content-Length: 256\r\n") + allByteValues(), 0}} << false << 2000
            << int(RequestFailure::None) << allByteValues();
        QTest::newRow("not HTTP at all") << Steps{{"SSH-2.0-OpenSSH_9.2\r\n\x00\x01\x02", 0}} << false << 2000
                                         << kAnyFailure << QByteArray();
        QTest::newRow("redirect to itself forever")
            << Steps{{header("302 Found", "Location: /\r\nContent-Length: 0\r\n"), 0}} << false << 5000
            << kAnyFailure << QByteArray();
        QTest::newRow("interim status only")
            << Steps{{header("100 Continue", ""), 0}} << false << 2000 << kAnyFailure << QByteArray();
        QTest::newRow("negative length") << Steps{{header("200 OK", "Content-Length: -5\r\n") + "2.12", 0}}
                                         << false << 2000 << kEitherWay << QByteArray();
        QTest::newRow("header of a megabyte")
            << Steps{{header("200 OK",
                             "X-Filler: " + QByteArray(1024 * 1024, 'h') + "\r\nContent-Length: 4\r\n") +
                          "2.12",
                      0}}
            << false << 5000 << kEitherWay << QByteArray();
        QTest::newRow("status line only")
            << Steps{{"HTTP/1.1 200 OK\r\n", 0}} << false << 2000 << kAnyFailure << QByteArray();
    }
    void brokenServers()
    {
        QFETCH(Steps, steps);
        QFETCH(bool, keepOpen);
        QFETCH(int, timeoutMs);
        QFETCH(int, failure);
        QFETCH(QByteArray, body);

        RawHttpServer server;
        QVERIFY(server.start());
        server.setScript(steps, keepOpen);

        RequestCycle cycle;
        cycle.setLimits({timeoutMs, 4 * 1024 * 1024});
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
        ticker.start(20);

        QElapsedTimer clock;
        clock.start();
        const net::RequestResult result = cycle.get(server.url("/modules/swzoek.php?item=app"));
        const qint64 elapsed = clock.elapsed();
        ticker.stop();

        QVERIFY2(elapsed < timeoutMs + 3000, qPrintable(QStringLiteral("took %1 ms").arg(elapsed)));
        // The wait runs the event loop: a 20 ms timer keeps firing (loosely
        // counted, the machine may be busy).
        if (elapsed >= 500)
            QVERIFY2(ticks >= 2, qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(elapsed)));
        if (failure == kAnyFailure) {
            QVERIFY2(result.failed(), qPrintable(QStringLiteral("status %1, %2 connections, body %3")
                                                     .arg(result.httpStatus)
                                                     .arg(server.connections())
                                                     .arg(result.body.left(40))));
        } else if (failure != kEitherWay) {
            QCOMPARE(int(result.failure), failure);
        }
        if (result.failed()) {
            QVERIFY(result.body.isEmpty());
        } else if (failure != kEitherWay) {
            QCOMPARE(result.body, cp1252::decode(body));
            QCOMPARE(result.byteCount, qint64(body.size()));
        }
        QVERIFY(!cycle.isBusy());
    }

    // A failed request leaves the cycle usable for the next one.
    void cycleWorksAfterAFailure()
    {
        RawHttpServer bad;
        QVERIFY(bad.start());
        bad.setScript({{header("200 OK", "Content-Length: 100\r\n") + "2.1", 0}});
        RawHttpServer good;
        QVERIFY(good.start());
        good.setScript({{header("200 OK", "Content-Length: 4\r\n") + "2.12", 0}});
        RequestCycle cycle;
        cycle.setLimits({2000, 1024});
        QVERIFY(cycle.get(bad.url()).failed());
        const net::RequestResult result = cycle.get(good.url());
        QCOMPARE(result.failure, RequestFailure::None);
        QCOMPARE(result.body, QStringLiteral("2.12"));
    }
};

QTEST_GUILESS_MAIN(TestRequestFaults)
#include "test_request_faults.moc"
