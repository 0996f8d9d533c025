#include "dietlens/core/folders.h"

#include "dietlens/lang/text/functions.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <exception>

QString GetSpecialFolder(int number, const LanguageTables& lang, Messenger& messenger)
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
    if (path.isEmpty()) {
        messenger.message(QStringLiteral("Error #300"),
                          joinLines({lang.at(text::Functions::AnErrorOccurredWhileRunning),
                                     lang.at(text::Functions::PleaseContactQuelmarWhenThis)}),
                          MessageIcon::Critical);
        return {};
    }
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

bool EnsureFolder(const QString& path, const LanguageTables& lang, Messenger& messenger)
{
    try {
        QString folder = path;
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        return QDir().mkpath(folder) && QFileInfo(folder).isDir();
    } catch (const std::exception&) {
        messenger.message(QStringLiteral("Error #302"), lang.at(text::Functions::AnErrorOccurredWhileMaking),
                          MessageIcon::Critical);
        return false;
    }
}
