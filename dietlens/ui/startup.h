#pragma once
// The start-up sequence of dietlens up to loading the chosen language: folders
// and paths, bookmarks, layout, showing the main window, the default language
// files, the settings and the language file.
#include "dietlens/core/settings.h"
#include "dietlens/ui/problempresenter.h"

#include <QObject>
#include <QString>

#include <functional>

class Language;
class LanguageTables;
class Messenger;
class QWidget;
struct Paths;
struct ServerHosts;

// Shows the settings dialog modally during the first-run handling. The
// window layer supplies it; without one the program goes on with the defaults.
using FirstRunSettingsDialog = std::function<void()>;

// Reads the settings file; when there is none usable, runs the first-run
// handling: defaults, the default language, the first-run message and then
// the settings dialog. Nothing is written here.
SettingsLoad loadSettingsOrRunFirstRun(Settings& settings, const QString& path, const QString& languageFolder,
                                       Language& language, const ProblemPresenter& presenter,
                                       const FirstRunSettingsDialog& dialog = {});

// What the sequence asks of the desktop and of the window layer.
struct StartupServices
{
    // Path of a special folder with a trailing "/"; GetSpecialFolder when unset.
    std::function<QString(int number)> specialFolder;
    // The settings dialog of a first run, shown after the first-run message.
    FirstRunSettingsDialog firstRunSettingsDialog;
};

class Startup : public QObject
{
    Q_OBJECT
public:
    Startup(Paths& paths, Settings& settings, const ServerHosts& hosts, Language& language,
            Messenger& messenger, StartupServices services = {});

    // Runs the steps in order; a step that fails reports its own error and the
    // sequence goes on. The language tables hold the built-in English texts
    // before anything else happens, so every message has its text.
    void run(QWidget& mainWindow);

Q_SIGNALS:
    // The bookmarks file exists: the window reads it now, before it is laid out.
    void bookmarksFileFound();
    // The main window is about to be shown: it sizes itself and its lists.
    void mainWindowDue();

private:
    Paths& m_paths;
    Settings& m_settings;
    const ServerHosts& m_hosts;
    Language& m_language;
    const LanguageTables& m_lang;
    Messenger& m_messenger;
    ProblemPresenter m_problems;
    StartupServices m_services;
};
