#pragma once
// The bookmarks file "bookmarks.dat" and the food database export, one format:
// a 32-bit record count (written 1), a 16-bit byte length and that many
// Windows-1252 bytes holding every bookmark record followed by "¾".
#include "dietlens/core/problem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Most text bytes the 16-bit length can describe.
inline constexpr qsizetype kMaxBookmarkTextBytes = 65535;

// The file's bytes for these records; empty optional when the text is too long.
std::optional<QByteArray> BookmarksFileBytes(const QStringList& records);

// Replaces the file at path with the records, atomically. False, with the
// old file as it was, when the text is too long for the format or the write
// fails.
bool WriteBookmarksFile(const QString& path, const QStringList& records);

// The same, BookmarksNotSaved on failure.
Result<void, Problem> WriteBookmarks(const QString& path, const QStringList& records);

struct BookmarksRead
{
    QStringList records; // what could be read; empty lines are kept
    bool complete = false;
};

// Parses the bytes of a bookmarks file. An incomplete file keeps the whole
// records ("¾"-ended) of its first text.
BookmarksRead ParseBookmarksFile(QByteArrayView bytes);

// Reads the file at path: what could be read, and whether that was all. A
// damaged file is copied beside itself as path + ".unreadable", so nothing
// written later loses it.
BookmarksRead ReadBookmarksFile(const QString& path);

// The records that could be read, with BookmarksNotRead when the file is
// missing, unreadable or damaged.
Result<QStringList, Problem> ReadBookmarks(const QString& path);
