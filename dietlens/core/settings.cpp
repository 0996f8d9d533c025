#include "settings.h"

// Placeholder: the full reader and writer are being written.

SettingsLoad ReadSettingsFile(AppState&)
{
    return SettingsLoad::FirstRun;
}

bool SaveSettings(const AppState&, Messenger&)
{
    return false;
}

void ApplySettingDefaults(AppState&) {}
