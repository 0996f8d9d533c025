#include "dietlens/ui/startup.h"

#include "dietlens/core/appstate.h"
#include "dietlens/core/folders.h"
#include "dietlens/core/program.h"
#include "dietlens/lang/defaultlanguages.h"
#include "lang/languagefile.h"
#include "lang/messenger.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

void RunStartup(QWidget& mainWindow, AppState& state, Messenger& messenger, const StartupHooks& hooks)
{
    // The built-in English texts first, so every message has its text.
    CreateEnglishLanguage(state.lang, state.hosts);

    const auto specialFolder = [&](int number) {
        return hooks.specialFolder ? hooks.specialFolder(number) : GetSpecialFolder(number, state.lang, messenger);
    };
    const QString appData = specialFolder(kAppDataFolderNumber);
    const QString documents = specialFolder(kDocumentsFolderNumber);

    state.paths = Paths::below(appData, documents, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    Paths& paths = state.paths;
    for (const QString& folder :
         {paths.AppDataFolder + QStringLiteral("Quelmar/"), paths.LanguageFolder, paths.DatabaseFolder}) {
        if (!EnsureFolder(folder, state.lang, messenger))
            paths.FoldersNotMade << folder;
    }
    // One message that names what the user can put right, instead of a
    // message from every later step that finds a folder missing.
    if (!paths.FoldersNotMade.isEmpty()) {
        QStringList lines{state.lang.at(7, 22)};
        for (const QString& folder : std::as_const(paths.FoldersNotMade))
            lines << QDir::toNativeSeparators(folder);
        messenger.message(ProgramName(), lines.join(QLatin1Char('\n')), MessageIcon::Exclamation);
    }

    // Replaced by the translated not-connected caption once the language is applied.
    mainWindow.setWindowTitle(ProgramName() + QStringLiteral(" (niet verbonden)"));

    if (FileExists(paths.BookmarksPath) && hooks.readBookmarks)
        hooks.readBookmarks();
    if (hooks.arrangeMainWindow)
        hooks.arrangeMainWindow();
    mainWindow.show();

    if (!paths.FoldersNotMade.contains(paths.LanguageFolder))
        EnsureDefaultLanguageFiles(paths.LanguageFolder, state.hosts, state.lang, messenger);
    LoadSettings(state.settings, paths.SettingsPath, paths.LanguageFolder, state.lang, messenger,
                 hooks.firstRunSettingsDialog);
    ApplySettingDefaults(state.settings, paths.LanguageFolder);
    LoadLanguageFile(state.lang, paths.LanguageFolder + state.settings.LanguageFile, messenger);
}
