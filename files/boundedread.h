#pragma once
// Reading a file that may be far larger than anything the program needs from it.
#include <QByteArray>
#include <QIODevice>

// Reads at most limit bytes from the current position of an open device (a file, a buffer).
// The buffer grows with what the device holds, not with the limit, so a small file costs a
// small buffer (QIODevice's read(maxSize) allocates maxSize bytes up front). Devices without a
// known size (/proc, pipes) are read piece by piece up to the limit. After a read error, the
// device (QFile::error()) tells.
QByteArray ReadAtMost(QIODevice& device, qint64 limit);
