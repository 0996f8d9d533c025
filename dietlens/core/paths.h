#pragma once
// The per-user folders and files of dietlens, worked out at start-up.
#include <QString>
#include <QStringList>

struct Paths
{
    QString AppDataFolder;   // per-user configuration folder, with a trailing "/"
    QString DocumentsFolder; // the user's documents, with a trailing "/"
    QString ProgramFolder;   // where the program and its help live
    QString LanguageFolder;  // DocumentsFolder + "Dietlens/My Language/"
    QString DatabaseFolder;  // DocumentsFolder + "Dietlens/My Database/"
    QString SettingsPath;    // AppDataFolder + "Quelmar/dl2set.dat"
    QString BookmarksPath;   // DatabaseFolder + "bookmarks.dat"
    QString HelpFile;        // ProgramFolder + "help.chm"
    // Folders that start-up could not make; the user has been told which.
    QStringList FoldersNotMade;

    // The paths below the three folders the system names.
    static Paths below(const QString& appDataFolder, const QString& documentsFolder,
                       const QString& programFolder);
};
