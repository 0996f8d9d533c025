#pragma once
// Program-wide state of dietlens: paths, connection state, the 21 settings,
// the string buffers of the search and bookmarks, and the language tables.
// One instance lives for the whole run and is passed to whoever needs it.
#include "lang/languagetables.h"

#include <QString>
#include <QStringList>

// host:port of the servers and the web-site addresses. Production takes the
// configured defaults; tests put their own servers here.
struct ServerHosts
{
    QString checkin;
    QString foodEn;
    QString foodNl;
    QString siteEn;
    QString siteNl;
    static ServerHosts configured();
};

// The 21 fields of the settings file, in file order (field(1) .. field(21)).
struct Settings
{
    static constexpr int kFieldCount = 21;

    QString Reserved1, Reserved2, LanguageFile, ServerChoice, ShowTrayNotice, ShowConnectNotice,
        EnergyUnit, MailOptIn, FirstName, LastName, SearchCount, TrafficCount, AddedCount, AlwaysOnTop,
        WeightUnit, Reserved3, Reserved4, Reserved5, Reserved6, Reserved7, Reserved8;

    QString& field(int n);             // 1-based; out of range aborts
    const QString& field(int n) const; // 1-based
    bool operator==(const Settings&) const = default;
};

// What the hidden buffer window held: the last replies and the lists built from them.
struct DataBuffers
{
    QString txt_servertxt;     // body of the last check-in reply
    QString txt_serverzoek;    // body of the last search reply
    QStringList lst_data;      // one record text per search result row
    QStringList temp_filter;   // fields of the record being worked on
    QStringList lst_fooditems; // bookmark records
};

struct AppState
{
    QString ProgramName = QStringLiteral("Dietlens");
    QString ProgramVersion = QStringLiteral("2.12");
    QString AppDataFolder;
    QString DocumentsFolder;
    QString ProgramFolder;
    QString LanguageFolder;
    QString DatabaseFolder;
    QString SettingsPath;
    QString BookmarksPath;
    QString HelpFile;
    // Folders that start-up could not make; the user has been told which.
    QStringList FoldersNotMade;
    QString SearchUrl;
    QString SubmitUrl;
    QString ViewListMode = QStringLiteral("0");
    float ConnectionState = 0.0f;
    float GramToOunceFactor = 0.03527396f;

    Settings settings;
    DataBuffers data;
    ServerHosts hosts = ServerHosts::configured();
    LanguageTables lang;

    // Shorthand for a text of the language tables: F(1, 35) is F01_lng_(35).
    const QString& F(int table, int index) const { return lang.at(table, index); }
};
