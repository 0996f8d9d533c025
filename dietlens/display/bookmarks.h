#pragma once
// The bookmarks file "bookmarks.dat" and the food database export, one format:
// a 32-bit record count (written 1), a 16-bit byte length and that many
// Windows-1252 bytes holding every bookmark record followed by "¾".
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class LanguageTables;
class Messenger;

// Most text bytes the 16-bit length can describe.
inline constexpr qsizetype kMaxBookmarkTextBytes = 65535;

// The file's bytes for these records; empty optional when the text is too long.
std::optional<QByteArray> BookmarksFileBytes(const QStringList& records);

// Replaces the file at path with the records, atomically. A text too long for
// the format, or any write failure, shows "Error #203", leaves the old file
// as it was and returns false.
bool WriteBookmarks(const QString& path, const QStringList& records, const LanguageTables& lang,
                    Messenger& messenger);

struct BookmarksRead
{
    QStringList records; // what could be read; empty lines are kept
    bool complete = false;
};

// Parses the bytes of a bookmarks file. An incomplete file keeps the whole
// records ("¾"-ended) of its first text.
BookmarksRead ParseBookmarksFile(QByteArrayView bytes);

// Reads the file at path. A missing, unreadable or damaged file shows
// "Error #202" and gives what could be read; a damaged file is first copied
// beside itself as path + ".unreadable" so nothing written later loses it.
QStringList ReadBookmarks(const QString& path, const LanguageTables& lang, Messenger& messenger);
