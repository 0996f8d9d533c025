#include "fuzz/fuzzsupport.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace fuzzsupport {

namespace {

// Never destroyed: the exit handler that removes the folder runs after the
// destructors of statics made later, so a plain static string would be gone by then.
const QString& scratchFolder()
{
    static const QString* folder = [] {
        const QString base =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        auto* path = new QString(base + QStringLiteral("/dietlens-fuzz-%1").arg(::getpid()));
        QDir().mkpath(*path);
        std::atexit([] { QDir(scratchFolder()).removeRecursively(); });
        return path;
    }();
    return *folder;
}

} // namespace

void fail(const char* file, int line, const char* what)
{
    std::fprintf(stderr, "\n==INVARIANT BROKEN== %s:%d: %s\n", file, line, what);
    std::fflush(stderr);
    std::abort();
}

QString scratchPath(const QString& name)
{
    return scratchFolder() + QLatin1Char('/') + name;
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(f.write(bytes) == bytes.size());
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

std::optional<FirstRecord> referenceFirstRecord(const QByteArray& file, int fieldCount)
{
    if (file.size() < 4)
        return std::nullopt;
    const auto* p = reinterpret_cast<const uchar*>(file.constData());
    const qint32 count =
        qint32(quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24);
    if (count < 1)
        return std::nullopt;
    FirstRecord record;
    qsizetype pos = 4;
    for (int f = 0; f < fieldCount; ++f) {
        if (pos + 2 > file.size())
            return std::nullopt;
        const qsizetype len = qsizetype(p[pos]) | qsizetype(p[pos + 1]) << 8;
        pos += 2;
        if (pos + len > file.size())
            return std::nullopt;
        record.fields.append(file.mid(pos, len));
        pos += len;
    }
    record.raw = file.mid(4, pos - 4);
    return record;
}

} // namespace fuzzsupport
