#include "dietlens/ui/startup.h"

#include "dietlens/core/appstate.h"
#include "dietlens/core/folders.h"
#include "dietlens/core/program.h"
#include "dietlens/lang/defaultlanguages.h"
#include "lang/languagefile.h"
#include "lang/messenger.h"

#include <QCoreApplication>
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

    EnsureFolder(appData + QStringLiteral("Quelmar/"), state.lang, messenger);
    EnsureFolder(documents + QStringLiteral("Dietlens/My Language"), state.lang, messenger);
    EnsureFolder(documents + QStringLiteral("Dietlens/My Database"), state.lang, messenger);

    state.paths = Paths::below(appData, documents, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    const Paths& paths = state.paths;

    // Replaced by the translated not-connected caption once the language is applied.
    mainWindow.setWindowTitle(ProgramName() + QStringLiteral(" (niet verbonden)"));

    if (FileExists(paths.BookmarksPath) && hooks.readBookmarks)
        hooks.readBookmarks();
    if (hooks.arrangeMainWindow)
        hooks.arrangeMainWindow();
    mainWindow.show();

    EnsureDefaultLanguageFiles(paths.LanguageFolder, state.hosts, state.lang, messenger);
    LoadSettings(state.settings, paths.SettingsPath, paths.LanguageFolder, state.lang, messenger,
                 hooks.firstRunSettingsDialog);
    ApplySettingDefaults(state.settings, paths.LanguageFolder);
    LoadLanguageFile(state.lang, paths.LanguageFolder + state.settings.LanguageFile, messenger);
}
