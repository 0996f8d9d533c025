#pragma once
// The settings file "dl2set.dat": a 32-bit record count, then records of 21
// length-prefixed Windows-1252 text fields. Only record 1 is used.
#include "dietlens/core/appstate.h"

#include <QByteArray>

#include <functional>

class Messenger;

enum class SettingsLoad { Loaded, FirstRun };

// Reads the file at state.SettingsPath into state.settings. FirstRun when the
// file is missing, empty, holds no record or record 1 cannot be read whole;
// the settings are then left as they were. Records after the first are read
// and ignored.
SettingsLoad ReadSettingsFile(AppState& state);

// The bytes of a settings file holding one record, or an empty array when a
// field is longer than its 16-bit length allows.
QByteArray SettingsFileBytes(const Settings& settings);

// Writes state.settings to state.SettingsPath, replacing the file atomically.
// On failure shows "Error #201", keeps the old file and returns false.
bool SaveSettings(const AppState& state, Messenger& messenger);

// Fills empty fields with their defaults and falls back to "default.lsf"
// when the chosen language file does not exist.
void ApplySettingDefaults(AppState& state);

// Shows the settings dialog modally during the first-run handling. The
// window layer supplies it; without one the program goes on with the defaults.
using FirstRunSettingsDialog = std::function<void()>;

// Reads the settings file; when there is none usable, runs the first-run
// handling: defaults, the default language, the first-run message and then
// the settings dialog. Nothing is written here.
SettingsLoad LoadSettings(AppState& state, Messenger& messenger, const FirstRunSettingsDialog& dialog = {});
