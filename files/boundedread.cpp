#include "files/boundedread.h"

#include <algorithm>

QByteArray ReadAtMost(QIODevice& device, qint64 limit)
{
    constexpr qint64 kPiece = 64 * 1024;
    const qint64 held = std::max<qint64>(device.size() - device.pos(), 0);
    QByteArray bytes;
    while (bytes.size() < limit) {
        const qsizetype before = bytes.size();
        // First everything the file says it holds (and a little to notice that it grew), then
        // pieces until the end or the limit.
        const qint64 wanted = std::min(limit - before, std::max(held - before + 1, kPiece));
        bytes.resize(before + qsizetype(wanted));
        const qint64 got = device.read(bytes.data() + before, wanted);
        bytes.resize(before + qsizetype(std::max<qint64>(got, 0)));
        if (got <= 0)
            break;
    }
    return bytes;
}
