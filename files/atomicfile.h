#pragma once
// Replacing a file so that a failed write leaves the old one as it was.
#include <QByteArrayView>
#include <QString>

// Writes the bytes to a temporary file beside `path` and renames it over the
// old file. False on any failure; the old file, if there is one, is then
// unchanged. Every file the programs write goes through here.
bool WriteFileAtomically(const QString& path, QByteArrayView bytes);
