#pragma once
// A small HTTP server that runs inside a test on the test's own event loop.
// Replies are scripted per path; every request's raw target (path and query
// exactly as sent) is recorded. It can answer slowly, with an empty body,
// with an error page, or close the connection without answering.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <deque>

class QTcpServer;
class QTcpSocket;

namespace testsupport {

class ScriptedHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers; // extra header lines
        int delayMs = 0;                              // wait this long before answering
        bool hangUp = false;                          // close the connection without any answer
    };

    static Reply text(const QByteArray& body, int status = 200);
    static Reply htmlPage(int status = 404);
    static Reply redirect(const QByteArray& location, int status = 302);

    explicit ScriptedHttpServer(QObject* parent = nullptr);
    ~ScriptedHttpServer() override;

    // Listens on 127.0.0.1 on a free port; false when that fails.
    bool start();
    quint16 port() const;
    QString hostPort() const; // "127.0.0.1:<port>"

    // Replies for a path (the target up to "?"). Several replies are used in
    // turn; the last one stays for every later request. Unknown paths get 404.
    void setReply(const QByteArray& path, const Reply& reply);
    void setReplies(const QByteArray& path, const QList<Reply>& replies);

    QList<QByteArray> targets() const { return m_targets; }
    QByteArray lastTarget() const { return m_targets.isEmpty() ? QByteArray() : m_targets.last(); }
    int requestCount() const { return int(m_targets.size()); }
    void clearRequests() { m_targets.clear(); }

    // A host:port on this machine where nothing listens (connections are refused).
    static QString refusingHostPort();

    // The key/value pairs of a target's query, values still percent-encoded,
    // in the order sent; empty items ("?&") are skipped.
    static QList<QPair<QByteArray, QByteArray>> queryPairs(const QByteArray& target);
    // A query value decoded: percent escapes resolved, bytes read as Windows-1252.
    static QString decodeValue(const QByteArray& raw);

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const Reply& reply);

    QTcpServer* m_server;
    QHash<QByteArray, std::deque<Reply>> m_replies;
    QHash<QTcpSocket*, QByteArray> m_pending;
    QList<QByteArray> m_targets;
};

// The paths dietlens asks its servers for: the check-in and the food search.
inline const QByteArray kCheckinPath = "/modules/controle/dietlens_controle.php";
inline const QByteArray kSearchPath = "/modules/swzoek.php";

} // namespace testsupport

// Replies are data of data-driven tests.
Q_DECLARE_METATYPE(testsupport::ScriptedHttpServer::Reply)
