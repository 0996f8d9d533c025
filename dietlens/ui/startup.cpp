#include "dietlens/ui/startup.h"

#include "dietlens/core/folders.h"
#include "dietlens/core/paths.h"
#include "dietlens/core/program.h"
#include "dietlens/core/serverhosts.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/lang/text/functions.h"
#include "lang/language.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

Startup::Startup(Paths& paths, Settings& settings, const ServerHosts& hosts, Language& language,
                 Messenger& messenger, StartupServices services)
    : m_paths(paths), m_settings(settings), m_hosts(hosts), m_language(language), m_lang(language.tables()),
      m_messenger(messenger), m_problems(language.tables(), messenger), m_services(std::move(services))
{
}

void Startup::run(QWidget& mainWindow)
{
    // The built-in English texts first, so every message has its text.
    m_language.update(LanguageChange::StartUp, [this](LanguageTables& tables) {
        CreateEnglishLanguage(tables, m_hosts);
        return true;
    });

    const auto specialFolder = [this](int number) {
        return m_services.specialFolder ? m_services.specialFolder(number)
                                        : m_problems.take(GetSpecialFolder(number));
    };
    const QString appData = specialFolder(kAppDataFolderNumber);
    const QString documents = specialFolder(kDocumentsFolderNumber);

    m_paths = Paths::below(appData, documents, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    Paths& paths = m_paths;
    for (const QString& folder :
         {paths.AppDataFolder + QStringLiteral("Quelmar/"), paths.LanguageFolder, paths.DatabaseFolder}) {
        if (!m_problems.take(EnsureFolder(folder)))
            paths.FoldersNotMade << folder;
    }
    // One message that names what the user can put right, instead of a
    // message from every later step that finds a folder missing.
    if (!paths.FoldersNotMade.isEmpty()) {
        QStringList lines{m_lang.at(text::Functions::AnErrorOccurredWhileMaking)};
        for (const QString& folder : std::as_const(paths.FoldersNotMade))
            lines << QDir::toNativeSeparators(folder);
        m_messenger.message(ProgramName(), lines.join(QLatin1Char('\n')), MessageIcon::Exclamation);
    }

    // Replaced by the translated not-connected caption once the language is applied.
    mainWindow.setWindowTitle(ProgramName() + QStringLiteral(" (niet verbonden)"));

    if (FileExists(paths.BookmarksPath))
        Q_EMIT bookmarksFileFound();
    Q_EMIT mainWindowDue();
    mainWindow.show();

    if (!paths.FoldersNotMade.contains(paths.LanguageFolder))
        m_problems.show(EnsureDefaultLanguageFiles(paths.LanguageFolder, m_hosts).problems);
    loadSettingsOrRunFirstRun(m_settings, paths.SettingsPath, paths.LanguageFolder, m_language, m_problems,
                              m_services.firstRunSettingsDialog);
    ApplySettingDefaults(m_settings, paths.LanguageFolder);
    m_problems.show(dietlensResult(m_language.load(paths.LanguageFolder + m_settings.LanguageFile,
                                                   LanguageChange::StartUp))
                        .problems);
}

SettingsLoad loadSettingsOrRunFirstRun(Settings& settings, const QString& path, const QString& languageFolder,
                                       Language& language, const ProblemPresenter& presenter,
                                       const FirstRunSettingsDialog& dialog)
{
    const SettingsLoad load = presenter.take(LoadSettings(settings, path, languageFolder, language));
    if (load == SettingsLoad::FirstRun && dialog)
        dialog();
    return load;
}
