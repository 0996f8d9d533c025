#pragma once
// The settings file "dl2set.dat": a 32-bit record count, then records of 21
// length-prefixed Windows-1252 text fields.
#include "appstate.h"

class Messenger;

enum class SettingsLoad { Loaded, FirstRun };

// Reads the file at state.SettingsPath into state.settings. FirstRun when the
// file is missing, empty, holds no record or record 1 cannot be read whole;
// the settings are then left as they were.
SettingsLoad ReadSettingsFile(AppState& state);

// Writes state.settings to state.SettingsPath, replacing the file atomically.
// On failure shows "Error #201", keeps the old file and returns false.
bool SaveSettings(const AppState& state, Messenger& messenger);

// Fills empty fields with their defaults and falls back to "default.lsf"
// when the chosen language file does not exist.
void ApplySettingDefaults(AppState& state);
