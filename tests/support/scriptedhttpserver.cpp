#include "tests/support/scriptedhttpserver.h"

#include "files/cp1252.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace testsupport {

ScriptedHttpServer::Reply ScriptedHttpServer::text(const QByteArray& body, int status)
{
    Reply r;
    r.status = status;
    r.body = body;
    return r;
}

ScriptedHttpServer::Reply ScriptedHttpServer::htmlPage(int status)
{
    Reply r;
    r.status = status;
    r.body =
        "<!DOCTYPE html>\r\n<html><head><title>Not Found</title></head>\r\n"
        "<body><h1>Not Found</h1><p>The requested URL was not found on this server.</p></body></html>\r\n";
    r.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("text/html; charset=iso-8859-1")));
    return r;
}

ScriptedHttpServer::Reply ScriptedHttpServer::redirect(const QByteArray& location, int status)
{
    Reply r;
    r.status = status;
    r.headers.append(qMakePair(QByteArray("Location"), location));
    return r;
}

ScriptedHttpServer::ScriptedHttpServer(QObject* parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &ScriptedHttpServer::onNewConnection);
}

ScriptedHttpServer::~ScriptedHttpServer() = default;

bool ScriptedHttpServer::start()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 ScriptedHttpServer::port() const
{
    return m_server->serverPort();
}

QString ScriptedHttpServer::hostPort() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

void ScriptedHttpServer::setReply(const QByteArray& path, const Reply& reply)
{
    setReplies(path, {reply});
}

void ScriptedHttpServer::setReplies(const QByteArray& path, const QList<Reply>& replies)
{
    m_replies[path] = std::deque<Reply>(replies.begin(), replies.end());
}

QString ScriptedHttpServer::refusingHostPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("127.0.0.1:%1").arg(port);
}

QList<QPair<QByteArray, QByteArray>> ScriptedHttpServer::queryPairs(const QByteArray& target)
{
    QList<QPair<QByteArray, QByteArray>> pairs;
    const qsizetype q = target.indexOf('?');
    if (q < 0)
        return pairs;
    const QList<QByteArray> items = target.mid(q + 1).split('&');
    for (const QByteArray& item : items) {
        if (item.isEmpty())
            continue;
        const qsizetype eq = item.indexOf('=');
        if (eq < 0)
            pairs.append({item, QByteArray()});
        else
            pairs.append({item.left(eq), item.mid(eq + 1)});
    }
    return pairs;
}

QString ScriptedHttpServer::decodeValue(const QByteArray& raw)
{
    return cp1252::decode(QByteArray::fromPercentEncoding(raw));
}

void ScriptedHttpServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_pending.remove(socket);
            socket->deleteLater();
        });
    }
}

void ScriptedHttpServer::onReadyRead(QTcpSocket* socket)
{
    QByteArray& buffer = m_pending[socket];
    buffer += socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    const QByteArray requestLine = buffer.left(buffer.indexOf("\r\n"));
    buffer.clear();
    const QList<QByteArray> parts = requestLine.split(' ');
    const QByteArray target = parts.size() >= 2 ? parts.at(1) : QByteArray();
    m_targets.append(target);

    const QByteArray path = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
    Reply reply;
    auto it = m_replies.find(path);
    if (it == m_replies.end() || it->empty()) {
        reply = htmlPage(404);
    } else {
        reply = it->front();
        if (it->size() > 1)
            it->pop_front();
    }

    if (reply.delayMs > 0) {
        QPointer<QTcpSocket> guarded(socket);
        QTimer::singleShot(reply.delayMs, this, [this, guarded, reply] {
            if (guarded)
                answer(guarded, reply);
        });
    } else {
        answer(socket, reply);
    }
}

void ScriptedHttpServer::answer(QTcpSocket* socket, const Reply& reply)
{
    if (reply.hangUp) {
        socket->abort();
        return;
    }
    QByteArray out = "HTTP/1.1 " + QByteArray::number(reply.status) + " Scripted\r\n";
    out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    bool hasType = false;
    for (const auto& [name, value] : reply.headers) {
        out += name + ": " + value + "\r\n";
        hasType = hasType || name.compare("Content-Type", Qt::CaseInsensitive) == 0;
    }
    if (!hasType)
        out += "Content-Type: text/plain\r\n";
    out += "Connection: close\r\n\r\n";
    out += reply.body;
    socket->write(out);
    socket->disconnectFromHost();
}

} // namespace testsupport
