#pragma once
// Reading a file that may be far larger than anything the program needs from it.
#include <QByteArray>
#include <QFile>

// Reads at most limit bytes from the current position of an open file. The buffer grows with
// what the file holds, not with the limit, so a small file costs a small buffer (QIODevice's
// read(maxSize) allocates maxSize bytes up front). Files without a known size (/proc, pipes)
// are read piece by piece up to the limit. After a read error, file.error() tells.
QByteArray ReadAtMost(QFile& file, qint64 limit);
