#include "tests/hardening/rawhttpserver.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace faults {

RawHttpServer::RawHttpServer(QObject* parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            ++m_connections;
            auto header = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, header] {
                if (header->endsWith("\r\n\r\n"))
                    return; // already answering
                *header += socket->readAll();
                if (header->contains("\r\n\r\n")) {
                    *header = "\r\n\r\n";
                    serve(socket);
                }
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

RawHttpServer::~RawHttpServer() = default;

bool RawHttpServer::start()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

QByteArray RawHttpServer::url(const QByteArray& target) const
{
    return "http://127.0.0.1:" + QByteArray::number(m_server->serverPort()) + target;
}

void RawHttpServer::setScript(const QList<Step>& steps, bool keepOpen)
{
    m_steps = steps;
    m_keepOpen = keepOpen;
}

void RawHttpServer::serve(QTcpSocket* socket)
{
    QPointer<QTcpSocket> guarded(socket);
    int at = 0;
    for (const Step& step : m_steps) {
        at += step.pauseMs;
        QTimer::singleShot(at, socket, [guarded, bytes = step.bytes] {
            if (guarded && guarded->state() == QAbstractSocket::ConnectedState)
                guarded->write(bytes);
        });
    }
    if (!m_keepOpen)
        QTimer::singleShot(at, socket, [guarded] {
            if (guarded)
                guarded->disconnectFromHost();
        });
}

} // namespace faults
