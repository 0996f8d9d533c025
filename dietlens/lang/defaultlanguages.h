#pragma once
// The two built-in languages of dietlens, the three language files written
// from them ("English.lsf", "Nederlands.lsf", "default.lsf") and the reset
// command that rewrites those files.
#include "dietlens/core/appstate.h"

#include <QString>

class Messenger;

// Fill the slots of the built-in language into `tables`; every other slot is
// left as it is. Texts naming a server or web site take them from `hosts`.
void CreateEnglishLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts);
void CreateDutchLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts);
// The texts of "default.lsf": English.
void CreateDefaultLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts);

// The same, taking version and hosts from the program state. At start-up
// `CreateEnglishLanguage(state.lang, state)` gives every message a text
// before any language file has been read.
void CreateEnglishLanguage(LanguageTables& tables, const AppState& state);
void CreateDutchLanguage(LanguageTables& tables, const AppState& state);
void CreateDefaultLanguage(LanguageTables& tables, const AppState& state);

// "LanguageFolder/name", whether or not the folder ends in a separator.
QString LanguageFilePath(const QString& languageFolder, const QString& fileName);

// Writes each of the three default files that is missing, unreadable or made
// for another program version; a current file is left alone, and no other
// file in the folder is touched. Each file is written from emptied tables, so
// the live tables do not change. Returns false after any failure (a missing
// language folder shows "Error #305"; a failed write shows the writer's message).
bool EnsureDefaultLanguageFiles(AppState& state, Messenger& messenger);

// The reset command of the main window and the settings dialog: asks first;
// on Yes rewrites the three default files (each replaced atomically), loads
// the language the settings name again and confirms. Returns true when all
// three files were rewritten; false when the user said No (nothing changes)
// or a write failed (its message was shown, the old file kept).
bool ResetLanguageFiles(AppState& state, Messenger& messenger);
