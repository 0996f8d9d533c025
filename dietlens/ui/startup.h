#pragma once
// The start-up sequence of dietlens up to loading the chosen language: folders
// and paths, bookmarks, layout, showing the main window, the default language
// files, the settings and the language file.
#include "dietlens/core/settings.h"

#include <QString>

#include <functional>

class QWidget;
struct AppState;
class Messenger;

struct StartupHooks
{
    // Path of a special folder with a trailing "/"; GetSpecialFolder when unset.
    std::function<QString(int number)> specialFolder;
    // Reads the bookmarks file; called only when it exists.
    std::function<void()> readBookmarks;
    // Sizes the main window and its lists before it is shown.
    std::function<void()> arrangeMainWindow;
    // The settings dialog of a first run, shown after the first-run message.
    FirstRunSettingsDialog firstRunSettingsDialog;
};

// Runs the steps in order; a step that fails reports its own error and the
// sequence goes on. The language tables hold the built-in English texts
// before anything else happens, so every message has its text.
void RunStartup(QWidget& mainWindow, AppState& state, Messenger& messenger, const StartupHooks& hooks = {});
