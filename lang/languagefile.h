#pragma once
// Reading and writing language files (*.lsf): a 32-bit record count, then
// records of 26 length-prefixed Windows-1252 table texts.
#include "lang/languagetables.h"
#include "lang/result.h"

#include <QString>

#include <optional>

class QIODevice;

// What went wrong with a language file, and which file it was. How the user
// is told is up to each program (widgets/languagefileproblems.h).
struct LanguageFileProblem
{
    enum class Kind {
        NotLoaded,      // the file is there but holds no complete first record
        NotSaved,       // the file could not be written; the old one is kept
        VersionNotRead, // the version could not be read from the file
    };
    Kind kind;
    QString path;

    bool operator==(const LanguageFileProblem&) const = default;
};

// True when the file can be opened for reading.
bool FileExists(const QString& path);

// Fills the tables from the file; true when it was read. A missing file
// changes nothing and is no problem (false); an unreadable one changes
// nothing and is NotLoaded.
Result<bool, LanguageFileProblem> LoadLanguageFile(LanguageTables& tables, const QString& path);

// Writes all tables, replacing the file atomically; on failure the old file
// is kept and the outcome is NotSaved.
Result<void, LanguageFileProblem> SaveLanguageFile(const LanguageTables& tables, const QString& path);

// The same reading and writing on any open device (a file, a buffer).
// ReadLanguageTables fills the tables as LoadLanguageFile does and is false, changing
// nothing, when the device holds no complete first record. WriteLanguageTables is false when a
// table is too long for the file or the device takes fewer bytes.
bool ReadLanguageTables(LanguageTables& tables, QIODevice& device);
std::optional<QString> ReadLanguageVersion(QIODevice& device);
bool WriteLanguageTables(const LanguageTables& tables, QIODevice& device);

// Header entry 1 (the version) of the file: "0" when there is no file, ""
// after a read failure (VersionNotRead) or when the file holds no such entry.
Result<QString, LanguageFileProblem> GetLanguageFileVersion(const QString& path);
