// The foodserver program as a deployer runs it: options, log lines, stopping on a signal.
#include "tests/foodserver/rawhttp.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QString kBinary = QStringLiteral(FOODSERVER_BINARY);

// Starts the server on a free port and returns that port (0 on failure).
int startServer(QProcess& process, const QString& db, const QStringList& extra = {})
{
    process.start(kBinary, QStringList({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--db"),
                                        db, QStringLiteral("--dataset"), QStringLiteral("ifct2017")}) +
                               extra);
    if (!process.waitForStarted(5000))
        return 0;
    process.setReadChannel(QProcess::StandardError); // the log, which names the port
    static const QRegularExpression listening(QStringLiteral("on http://127\\.0\\.0\\.1:(\\d+)/"));
    QByteArray seen;
    while (process.waitForReadyRead(10000)) {
        seen = process.peek(1 << 16);
        const auto match = listening.match(QString::fromLatin1(seen));
        if (match.hasMatch())
            return match.captured(1).toInt();
    }
    return 0;
}

} // namespace

class TestFoodServerProgram : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void helpAndBadOptions()
    {
        QProcess help;
        help.start(kBinary, {QStringLiteral("--help")});
        QVERIFY(help.waitForFinished(5000));
        QCOMPARE(help.exitCode(), 0);
        const QByteArray text = help.readAllStandardOutput();
        QVERIFY(text.startsWith("Usage: foodserver"));
        QVERIFY(text.contains("--min-version"));

        QProcess version;
        version.start(kBinary, {QStringLiteral("--version")});
        QVERIFY(version.waitForFinished(5000));
        QCOMPARE(version.exitCode(), 0);
        QCOMPARE(version.readAllStandardOutput(), QByteArray("foodserver " FOODSERVER_VERSION "\n"));

        QProcess bad;
        bad.start(kBinary, {QStringLiteral("--port"), QStringLiteral("http")});
        QVERIFY(bad.waitForFinished(5000));
        QCOMPARE(bad.exitCode(), 2);
        QVERIFY(bad.readAllStandardError().contains("--port"));
    }

    void stopsCleanlyOnSignals_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void stopsCleanlyOnSignals()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString db = dir.filePath(QStringLiteral("p.db"));
        QProcess server;
        const int port = startServer(server, db, {QStringLiteral("--min-version"), QStringLiteral("2.20")});
        QVERIFY(port > 0);
        QCOMPARE(rawhttp::get(port, "/modules/controle/dietlens_controle.php?&code=1&naam=Jan%20Jansen").body,
                 QByteArray("2.20"));
        QCOMPARE(
            rawhttp::get(port, "/modules/swadd.php?naam=Tea&kj=4&kcal=1&vvet=0&ovet=0&kdr=0.2&ew=0&nat=0")
                .body,
            QByteArray("OK"));

        ::kill(pid_t(server.processId()), signal);
        QVERIFY(server.waitForFinished(10000));
        QCOMPARE(server.exitStatus(), QProcess::NormalExit);
        QCOMPARE(server.exitCode(), 0);
        const QByteArray log = server.readAllStandardError();
        QVERIFY2(
            log.contains(" 127.0.0.1 GET /modules/controle/dietlens_controle.php?&code=1&naam=*** 200 4\n"),
            log.constData());
        QVERIFY(log.contains("/modules/swadd.php?naam=Tea"));

        // The submission is in the database the next run opens.
        QProcess again;
        const int port2 = startServer(again, db);
        QVERIFY(port2 > 0);
        QVERIFY(rawhttp::get(port2, "/modules/swzoek.php?item=tea")
                    .body.contains("Tea\xBD"
                                   "543\xBD"
                                   "4\xBD"
                                   "1\xBD"));
        again.terminate();
        QVERIFY(again.waitForFinished(10000));
        QCOMPARE(again.exitCode(), 0);
    }

    // A second server on a port in use must fail, never share the port with the first.
    void portInUseIsRefused()
    {
        QTemporaryDir dir;
        QProcess first;
        const int port = startServer(first, dir.filePath(QStringLiteral("a.db")));
        QVERIFY(port > 0);
        QProcess second;
        second.start(kBinary, {QStringLiteral("--port"), QString::number(port), QStringLiteral("--db"),
                               dir.filePath(QStringLiteral("b.db"))});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 1);
        const QByteArray said = second.readAllStandardError();
        QVERIFY2(said.contains("port " + QByteArray::number(port) + " is already in use"), said.constData());
        first.terminate();
        QVERIFY(first.waitForFinished(10000));
    }

    void unusableDatabaseIsReported()
    {
        QTemporaryDir dir;
        QProcess server;
        server.start(kBinary, {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--db"),
                               dir.filePath(QStringLiteral("missing/folder/x.db"))});
        QVERIFY(server.waitForFinished(10000));
        QCOMPARE(server.exitCode(), 1);
        QVERIFY(server.readAllStandardError().contains("x.db"));
    }
};

QTEST_GUILESS_MAIN(TestFoodServerProgram)
#include "test_foodserver_program.moc"
