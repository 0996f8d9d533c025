#include "fuzzsupport.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace fuzzsupport {

namespace {

QString& scratchFolder()
{
    static QString folder = [] {
        const QString base =
            QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString path = base + QStringLiteral("/dietlens-fuzz-%1").arg(::getpid());
        QDir().mkpath(path);
        std::atexit([] { QDir(scratchFolder()).removeRecursively(); });
        return path;
    }();
    return folder;
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

} // namespace fuzzsupport
