#pragma once
// Fault injection for writers and readers.
//
// A writer is run while the process may not make a file larger than a limit
// (RLIMIT_FSIZE: the write fails part-way the way it does on a full disk), or
// against a target it cannot replace (a folder in place of the file, a path
// whose parent is a regular file). After every failure the previous file
// must be byte-identical, no stray temporary file may be left beside it and
// the writer's own message must have been shown, once.
#include "tests/support/scriptedmessenger.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace faults {

struct Writer
{
    QString name;
    // Writes version `generation` (0 = the previous file, 1 = the new one) of
    // the writer's data to path; returns what the writer reports.
    std::function<bool(const QString& path, Messenger& messenger, int generation)> write;
    // The message the writer shows for a failed write to path; an empty title
    // means the writer itself shows nothing (its caller does).
    std::function<ScriptedMessenger::Shown(const QString& path)> failureMessage;
};

enum class Fault {
    FileSizeLimit,  // the file may grow only to a number of bytes
    FolderAsTarget, // a folder stands where the file should go
    ParentIsFile,   // the path's folder is a regular file
};

// Runs fn with the file size limit set to `limit` bytes (SIGXFSZ ignored),
// restoring the limit and the signal afterwards.
bool withFileSizeLimit(qint64 limit, const std::function<bool()>& fn);

// Limits worth trying for a file of `size` bytes: every offset near the
// start, the end and around the given field boundaries, and an even spread
// in between (about `spread` of them).
QList<qint64> interestingOffsets(qint64 size, const QList<qint64>& boundaries, int spread = 80);

// Checks one failing write; returns "" when everything held, else what broke.
QString checkFailingWrite(const Writer& writer, Fault fault, qint64 limit = 0);

// Checks a write that fails at each of the offsets; stops at the first break.
QString checkFailingAtOffsets(const Writer& writer, const QList<qint64>& offsets);

// The size of the new file when the writer succeeds.
qint64 newFileSize(const Writer& writer);

} // namespace faults
