#pragma once
// The state of a user who has set the program up, for tests of the main window and what it
// opens: every folder in one temporary folder, the built-in English texts, the settings filled
// in (no notices, a few searches counted), the check-in and English food server at one address
// and the Dutch food server at another. Header only: the tests that use it link the program's
// libraries, the shared test library does not.
#include "dietlens/core/appstate.h"
#include "dietlens/lang/defaultlanguages.h"

namespace testsupport {

inline void prepareSetUpUser(AppState& state, const QString& folder, const QString& server,
                             const QString& dutchServer)
{
    const QString root = folder + u'/';
    state.AppDataFolder = state.DocumentsFolder = state.ProgramFolder = root;
    state.LanguageFolder = state.DatabaseFolder = root;
    state.SettingsPath = root + QStringLiteral("dl2set.dat");
    state.hosts.checkin = state.hosts.foodEn = server;
    state.hosts.foodNl = dutchServer;
    CreateEnglishLanguage(state.lang, state);
    Settings& s = state.settings;
    s.LanguageFile = QStringLiteral("English.lsf");
    s.ServerChoice = QStringLiteral("1");
    s.ShowConnectNotice = s.ShowTrayNotice = s.AlwaysOnTop = s.MailOptIn = QStringLiteral("0");
    s.FirstName = QStringLiteral("Jan");
    s.LastName = QStringLiteral("Jansen");
    s.EnergyUnit = s.WeightUnit = QStringLiteral("0");
    s.SearchCount = QStringLiteral("4");
    s.TrafficCount = QStringLiteral("100");
    s.AddedCount = QStringLiteral("2");
}

} // namespace testsupport
