#pragma once
// A loopback server that answers every request with scripted raw bytes, sent
// in steps with pauses, so a test can play any broken server: a body shorter
// than announced, a chunked body that stops, a trickle, no answer at all,
// bytes that are no HTTP.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

namespace faults {

class RawHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Step
    {
        QByteArray bytes;
        int pauseMs = 0; // wait this long before sending the bytes
    };

    explicit RawHttpServer(QObject* parent = nullptr);
    ~RawHttpServer() override;

    bool start();
    QByteArray url(const QByteArray& target = "/") const;

    // Sent once the request's header has arrived; afterwards the connection
    // is closed, unless keepOpen is set (then it stays silent).
    void setScript(const QList<Step>& steps, bool keepOpen = false);

    int connections() const { return m_connections; }

private:
    void serve(QTcpSocket* socket);

    QTcpServer* m_server;
    QList<Step> m_steps;
    bool m_keepOpen = false;
    int m_connections = 0;
};

} // namespace faults
