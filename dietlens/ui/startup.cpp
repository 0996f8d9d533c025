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
      m_messenger(messenger), m_services(std::move(services))
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
                                        : GetSpecialFolder(number, m_lang, m_messenger);
    };
    const QString appData = specialFolder(kAppDataFolderNumber);
    const QString documents = specialFolder(kDocumentsFolderNumber);

    m_paths = Paths::below(appData, documents, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    Paths& paths = m_paths;
    for (const QString& folder :
         {paths.AppDataFolder + QStringLiteral("Quelmar/"), paths.LanguageFolder, paths.DatabaseFolder}) {
        if (!EnsureFolder(folder, m_lang, m_messenger))
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
        EnsureDefaultLanguageFiles(paths.LanguageFolder, m_hosts, m_lang, m_messenger);
    LoadSettings(m_settings, paths.SettingsPath, paths.LanguageFolder, m_language, m_messenger,
                 m_services.firstRunSettingsDialog);
    ApplySettingDefaults(m_settings, paths.LanguageFolder);
    m_language.load(paths.LanguageFolder + m_settings.LanguageFile, m_messenger, LanguageChange::StartUp);
}
