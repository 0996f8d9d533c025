#include "dietlens/ui/startup.h"

#include "dietlens/core/appstate.h"
#include "dietlens/core/deployment.h"
#include "dietlens/core/folders.h"
#include "dietlens/lang/defaultlanguages.h"
#include "lang/languagefile.h"
#include "lang/messenger.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

void RunStartup(QWidget& mainWindow, AppState& state, Messenger& messenger, const StartupHooks& hooks)
{
    // Name and version first: the built-in texts carry the version in their header.
    state.ProgramName = QStringLiteral("Dietlens");
    state.ProgramVersion = QStringLiteral(DIETLENS_PROGRAM_VERSION);
    CreateEnglishLanguage(state.lang, state);

    const auto specialFolder = [&](int number) {
        return hooks.specialFolder ? hooks.specialFolder(number) : GetSpecialFolder(number, state, messenger);
    };
    state.AppDataFolder = specialFolder(kAppDataFolderNumber);
    state.DocumentsFolder = specialFolder(kDocumentsFolderNumber);

    state.LanguageFolder = state.DocumentsFolder + QStringLiteral("Dietlens/My Language/");
    state.DatabaseFolder = state.DocumentsFolder + QStringLiteral("Dietlens/My Database/");
    state.FoldersNotMade.clear();
    for (const QString& folder :
         {state.AppDataFolder + QStringLiteral("Quelmar/"), state.LanguageFolder, state.DatabaseFolder}) {
        if (!EnsureFolder(folder, state, messenger))
            state.FoldersNotMade << folder;
    }
    // One message that names what the user can put right, instead of a
    // message from every later step that finds a folder missing.
    if (!state.FoldersNotMade.isEmpty()) {
        QStringList lines{state.F(7, 22)};
        for (const QString& folder : std::as_const(state.FoldersNotMade))
            lines << QDir::toNativeSeparators(folder);
        messenger.message(state.ProgramName, lines.join(QLatin1Char('\n')), MessageIcon::Exclamation);
    }
    state.ProgramFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    state.SettingsPath = state.AppDataFolder + QStringLiteral("Quelmar/dl2set.dat");
    state.BookmarksPath = state.DatabaseFolder + QStringLiteral("bookmarks.dat");

    // Replaced by the translated not-connected caption once the language is applied.
    mainWindow.setWindowTitle(state.ProgramName + QStringLiteral(" (niet verbonden)"));

    state.ConnectionState = 0.0f;
    state.GramToOunceFactor = 0.03527396f;
    state.HelpFile = state.ProgramFolder + QStringLiteral("help.chm");

    if (FileExists(state.BookmarksPath) && hooks.readBookmarks)
        hooks.readBookmarks();
    if (hooks.arrangeMainWindow)
        hooks.arrangeMainWindow();
    mainWindow.show();

    if (!state.FoldersNotMade.contains(state.LanguageFolder))
        EnsureDefaultLanguageFiles(state, messenger);
    LoadSettings(state, messenger, hooks.firstRunSettingsDialog);
    ApplySettingDefaults(state);
    LoadLanguageFile(state.lang, state.LanguageFolder + state.settings.LanguageFile, messenger);
}
