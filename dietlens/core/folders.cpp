#include "dietlens/core/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <exception>

Result<QString, Problem> GetSpecialFolder(int number)
{
    QStandardPaths::StandardLocation location;
    switch (number) {
    case kAppDataFolderNumber:
        location = QStandardPaths::GenericConfigLocation;
        break;
    case kDocumentsFolderNumber:
        location = QStandardPaths::DocumentsLocation;
        break;
    default:
        return {};
    }
    QString path = QStandardPaths::writableLocation(location);
    if (path.isEmpty())
        return {QString(), {{ProblemKind::SpecialFolderUnknown, QString()}}};
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return {path, {}};
}

Result<bool, Problem> EnsureFolder(const QString& path)
{
    try {
        QString folder = path;
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        return {QDir().mkpath(folder) && QFileInfo(folder).isDir(), {}};
    } catch (const std::exception&) {
        return {false, {{ProblemKind::FolderNotMade, QString()}}};
    }
}
