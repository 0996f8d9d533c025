#include "dietlens/core/paths.h"

Paths Paths::below(const QString& appDataFolder, const QString& documentsFolder, const QString& programFolder)
{
    Paths p;
    p.AppDataFolder = appDataFolder;
    p.DocumentsFolder = documentsFolder;
    p.ProgramFolder = programFolder;
    p.LanguageFolder = documentsFolder + QStringLiteral("Dietlens/My Language/");
    p.DatabaseFolder = documentsFolder + QStringLiteral("Dietlens/My Database/");
    p.SettingsPath = appDataFolder + QStringLiteral("Quelmar/dl2set.dat");
    p.BookmarksPath = p.DatabaseFolder + QStringLiteral("bookmarks.dat");
    p.HelpFile = programFolder + QStringLiteral("help.chm");
    return p;
}
