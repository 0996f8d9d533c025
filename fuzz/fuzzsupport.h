#pragma once
// Shared pieces of the fuzz harnesses: a check that stops the run with a
// message (a broken invariant is a finding like a crash), and scratch files
// on a memory file system for readers that take a path.
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

namespace fuzzsupport {

[[noreturn]] void fail(const char* file, int line, const char* what);

// A file name in this process's scratch folder (under /dev/shm when there is
// one); the folder is removed when the process ends.
QString scratchPath(const QString& name);

// Replaces the file with exactly these bytes; aborts when it cannot.
void putFile(const QString& path, const QByteArray& bytes);
QByteArray fileBytes(const QString& path);

// An independent reading of the layout the settings and language files share: a 32-bit
// little-endian record count, then the first record's fields, each a 16-bit little-endian length
// and that many bytes. Nothing when the count is below 1 or a field is cut short.
struct FirstRecord
{
    QList<QByteArray> fields;
    QByteArray raw; // the record's bytes as they stand in the file
};
std::optional<FirstRecord> referenceFirstRecord(const QByteArray& file, int fieldCount);

inline QByteArray input(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

} // namespace fuzzsupport

#define FUZZ_CHECK(cond)                                                                                     \
    do {                                                                                                     \
        if (!(cond))                                                                                         \
            ::fuzzsupport::fail(__FILE__, __LINE__, #cond);                                                  \
    } while (false)
