#pragma once
// The two built-in languages of dietlens, the three language files written
// from them ("English.lsf", "Nederlands.lsf", "default.lsf") and the reset
// command that rewrites those files.
#include "dietlens/core/problem.h"

#include <QString>

class LanguageTables;
struct ServerHosts;

// Fill the slots of the built-in language into `tables`; every other slot is
// left as it is. Texts naming a server or web site take them from `hosts`.
void CreateEnglishLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts);
void CreateDutchLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts);
// The texts of "default.lsf": English.
void CreateDefaultLanguage(LanguageTables& tables, const QString& programVersion, const ServerHosts& hosts);

// The same for this program's version. At start-up `CreateEnglishLanguage`
// gives every message a text before any language file has been read.
void CreateEnglishLanguage(LanguageTables& tables, const ServerHosts& hosts);
void CreateDutchLanguage(LanguageTables& tables, const ServerHosts& hosts);
void CreateDefaultLanguage(LanguageTables& tables, const ServerHosts& hosts);

// "LanguageFolder/name", whether or not the folder ends in a separator.
QString LanguageFilePath(const QString& languageFolder, const QString& fileName);

// Writes each of the three default files that is missing, unreadable or made
// for another program version; a current file is left alone, and no other
// file in the folder is touched. Each file is written from emptied tables, so
// the live tables do not change. False after any failure: a missing language
// folder (LanguageFolderMissing), a file whose version cannot be read (it is
// written anew) or a failed write, each with its problem in turn.
Result<bool, Problem> EnsureDefaultLanguageFiles(const QString& languageFolder, const ServerHosts& hosts);

// The reset the user has agreed to (the window asks): rewrites the three
// default files (each replaced atomically) and loads the language file the
// settings name (languageFile) into `lang` again. True when all three files
// were rewritten; false when a write failed (the old file kept), with the
// problems of the writes and of the loading in turn.
Result<bool, Problem> ResetLanguageFiles(const QString& languageFolder, const QString& languageFile,
                                         const ServerHosts& hosts, LanguageTables& lang);
