#pragma once
// The 21 settings of dietlens and their file "dl2set.dat": a 32-bit record
// count, then records of 21 length-prefixed Windows-1252 text fields. Only
// record 1 is used.
#include "dietlens/core/problem.h"

#include <QByteArray>
#include <QString>

class Language;

// The 21 fields of the settings file, in file order (field(1) .. field(21)).
struct Settings
{
    static constexpr int kFieldCount = 21;

    QString Reserved1, Reserved2, LanguageFile, ServerChoice, ShowTrayNotice, ShowConnectNotice, EnergyUnit,
        MailOptIn, FirstName, LastName, SearchCount, TrafficCount, AddedCount, AlwaysOnTop, WeightUnit,
        Reserved3, Reserved4, Reserved5, Reserved6, Reserved7, Reserved8;

    QString& field(int n);             // 1-based; out of range aborts
    const QString& field(int n) const; // 1-based
    bool operator==(const Settings&) const = default;
};

enum class SettingsLoad { Loaded, FirstRun };

// Reads the file at path into settings. FirstRun when the file is missing,
// empty, holds no record or record 1 cannot be read whole; the settings are
// then left as they were. Records after the first are not read.
SettingsLoad ReadSettingsFile(const QString& path, Settings& settings);

// The bytes of a settings file holding one record, or an empty array when a
// field is longer than its 16-bit length allows.
QByteArray SettingsFileBytes(const Settings& settings);

// Writes the settings to path, replacing the file atomically. On failure
// the old file is kept: SettingsNotSaved.
Result<void, Problem> SaveSettings(const Settings& settings, const QString& path);

// Fills empty fields with their defaults and falls back to "default.lsf"
// when the chosen language file does not exist in the language folder.
void ApplySettingDefaults(Settings& settings, const QString& languageFolder);

// Reads the settings file; when there is none usable, starts the first run:
// the defaults and the default language (with the problems of reading it),
// then SettingsFileMissing, which tells the user that this is a first run.
// The window shows the settings dialog after that. Nothing is written here.
Result<SettingsLoad, Problem> LoadSettings(Settings& settings, const QString& path,
                                           const QString& languageFolder, Language& language);
