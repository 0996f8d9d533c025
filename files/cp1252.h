#pragma once
// Windows-1252: the single-byte character set of every file the programs
// read or write and of every HTTP query and reply body.
#include <QByteArray>
#include <QString>

namespace cp1252 {

// Bytes to text. Every byte maps to one character; the five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the
// control characters of the same value, so any byte string survives a round trip.
QString decode(QByteArrayView bytes);

// Text to bytes; a character Windows-1252 cannot hold becomes '?'.
QByteArray encode(QStringView text);

bool canEncode(QChar c);
bool canEncode(QStringView text);

} // namespace cp1252
