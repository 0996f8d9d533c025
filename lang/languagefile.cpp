#include "languagefile.h"

#include "messenger.h"

#include <QFile>

// Placeholder: the full reader and writer are being written.

LanguageSaveFailure LanguageSaveFailure::dietlens()
{
    return {QStringLiteral("Error #401"), QStringLiteral("An error occured while saving the languagefile")};
}

LanguageSaveFailure LanguageSaveFailure::translator(const QString& programTitle)
{
    return {programTitle, QStringLiteral("An error occured while saving the language file: ")};
}

bool FileExists(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly);
}

bool LoadLanguageFile(LanguageTables&, const QString&, Messenger&)
{
    return false;
}

bool SaveLanguageFile(const LanguageTables&, const QString&, Messenger&, const LanguageSaveFailure&)
{
    return false;
}

QString GetLanguageFileVersion(const QString& path, Messenger&)
{
    return FileExists(path) ? QString() : QStringLiteral("0");
}
