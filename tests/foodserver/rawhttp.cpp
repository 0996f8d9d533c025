#include "tests/foodserver/rawhttp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace rawhttp {

namespace {

// True once the bytes hold a whole reply: the head and as many body bytes as it announces.
bool isWholeReply(const QByteArray& bytes)
{
    const qsizetype end = bytes.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const QByteArray head = bytes.left(end).toLower();
    const qsizetype at = head.indexOf("\r\ncontent-length:");
    if (at < 0)
        return false;
    const qsizetype lineEnd = head.indexOf("\r\n", at + 2);
    const qsizetype length = head.mid(at + 17, lineEnd < 0 ? -1 : lineEnd - at - 17).trimmed().toLongLong();
    return bytes.size() >= end + 4 + length;
}

} // namespace

QByteArray exchange(int port, const QByteArray& request, bool endInput)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return {};
    timeval timeout{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QByteArray received;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        qsizetype sent = 0;
        while (sent < request.size()) {
            const ssize_t n =
                ::send(fd, request.constData() + sent, size_t(request.size() - sent), MSG_NOSIGNAL);
            if (n <= 0)
                break;
            sent += n;
        }
        if (endInput)
            ::shutdown(fd, SHUT_WR);
        char buffer[16384];
        ssize_t n;
        // Stop at the end of the first reply rather than wait for a kept-alive connection to close.
        while (!isWholeReply(received) && (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
            received.append(buffer, n);
    }
    ::close(fd);
    return received;
}

Reply get(int port, const QByteArray& target)
{
    const QByteArray raw =
        exchange(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n");
    Reply reply;
    const qsizetype end = raw.indexOf("\r\n\r\n");
    if (!raw.startsWith("HTTP/1.1 ") || end < 0)
        return reply;
    reply.head = raw.left(end);
    reply.body = raw.mid(end + 4);
    reply.status = raw.mid(9, 3).toInt();
    return reply;
}

} // namespace rawhttp
