#include "tests/hardening/faultinjection.h"

#include "tests/support/scriptedmessenger.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

namespace faults {

bool withFileSizeLimit(qint64 limit, const std::function<bool()>& fn)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = rlim_t(limit);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool result = fn();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

QList<qint64> interestingOffsets(qint64 size, const QList<qint64>& boundaries, int spread)
{
    QList<qint64> out;
    auto add = [&](qint64 v) {
        if (v >= 0 && v < size)
            out.append(v);
    };
    for (qint64 i = 0; i < 24; ++i) {
        add(i);
        add(size - 1 - i);
    }
    for (qint64 b : boundaries)
        for (qint64 d = -2; d <= 2; ++d)
            add(b + d);
    if (spread > 0)
        for (int i = 0; i <= spread; ++i)
            add(size * i / spread);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

qint64 newFileSize(const Writer& writer)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("probe"));
    ScriptedMessenger m;
    if (!writer.write(path, m, 1))
        return -1;
    return QFileInfo(path).size();
}

namespace {

QString describe(const Writer& writer, const QString& what)
{
    return writer.name + QStringLiteral(": ") + what;
}

QString checkMessage(const Writer& writer, const ScriptedMessenger& m, const QString& path)
{
    const ScriptedMessenger::Shown expected = writer.failureMessage(path);
    if (expected.title.isEmpty()) {
        if (!m.shown.isEmpty())
            return describe(writer, QStringLiteral("showed a message of its own: ") + m.shown[0].title);
        return {};
    }
    if (m.shown.size() != 1)
        return describe(writer, QStringLiteral("showed %1 messages instead of 1").arg(m.shown.size()));
    const ScriptedMessenger::Shown& shown = m.shown[0];
    if (shown.title != expected.title || shown.text != expected.text || shown.icon != expected.icon)
        return describe(writer, QStringLiteral("showed \"%1\" / \"%2\" instead of \"%3\" / \"%4\"")
                                    .arg(shown.title, shown.text, expected.title, expected.text));
    return {};
}

} // namespace

QString checkFailingWrite(const Writer& writer, Fault fault, qint64 limit)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return QStringLiteral("no temporary folder");
    const QString name = QStringLiteral("target.dat");
    QString path = dir.filePath(name);

    ScriptedMessenger m;
    bool ok = true;
    switch (fault) {
    case Fault::FileSizeLimit: {
        // The previous file is what the writer wrote for generation 0.
        static QHash<QString, QByteArray> previous;
        if (!previous.contains(writer.name)) {
            ScriptedMessenger first;
            if (!writer.write(path, first, 0))
                return describe(writer, QStringLiteral("could not write the previous file"));
            previous.insert(writer.name, testsupport::readAll(path));
        }
        const QByteArray before = previous.value(writer.name);
        if (!testsupport::writeAll(path, before))
            return QStringLiteral("cannot write the previous file");
        ok = withFileSizeLimit(limit, [&] { return writer.write(path, m, 1); });
        if (ok)
            return describe(writer,
                            QStringLiteral("reported success with the file limited to %1 bytes").arg(limit));
        if (testsupport::readAll(path) != before)
            return describe(writer, QStringLiteral("changed the previous file (limit %1)").arg(limit));
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        if (left != QStringList{name})
            return describe(
                writer, QStringLiteral("left %1 in the folder (limit %2)").arg(left.join(u' ')).arg(limit));
        break;
    }
    case Fault::FolderAsTarget: {
        if (!QDir(dir.path()).mkpath(name + QStringLiteral("/inside")))
            return QStringLiteral("cannot make the folder");
        ok = writer.write(path, m, 1);
        if (ok)
            return describe(writer, QStringLiteral("reported success writing over a folder"));
        if (!QFileInfo(path).isDir() || !QFileInfo(path + QStringLiteral("/inside")).isDir())
            return describe(writer, QStringLiteral("damaged the folder in its way"));
        const QStringList left =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (left != QStringList{name})
            return describe(writer, QStringLiteral("left %1 in the folder").arg(left.join(u' ')));
        break;
    }
    case Fault::ParentIsFile: {
        const QString parent = dir.filePath(QStringLiteral("plainfile"));
        if (!testsupport::writeAll(parent, "not a folder"))
            return QStringLiteral("cannot make the file");
        path = parent + QLatin1Char('/') + name;
        ok = writer.write(path, m, 1);
        if (ok)
            return describe(writer, QStringLiteral("reported success writing below a file"));
        if (testsupport::readAll(parent) != "not a folder")
            return describe(writer, QStringLiteral("changed the file in its way"));
        break;
    }
    }
    return checkMessage(writer, m, path);
}

QString checkFailingAtOffsets(const Writer& writer, const QList<qint64>& offsets)
{
    for (qint64 limit : offsets) {
        const QString error = checkFailingWrite(writer, Fault::FileSizeLimit, limit);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace faults
