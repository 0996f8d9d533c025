#pragma once
// A minimal HTTP client over a plain socket, so tests control every byte of a request target
// (raw bytes of 0x80 and above, stray "%", garbage request lines).
#include <QByteArray>

namespace rawhttp {

struct Reply
{
    int status = 0; // 0 when no HTTP reply came back
    QByteArray head;
    QByteArray body;
};

// Sends the bytes to 127.0.0.1:port and returns what comes back: the first whole reply, or all
// until the server closes the connection (or 5 seconds pass). With endInput the sending side is shut after
// the bytes, so a server waiting for the rest of a request sees the end at once (it then answers nothing).
QByteArray exchange(int port, const QByteArray& request, bool endInput = false);

// GET target with "Connection: close".
Reply get(int port, const QByteArray& target);

} // namespace rawhttp
