#pragma once
// Reading and writing language files (*.lsf): a 32-bit record count, then
// records of 26 length-prefixed Windows-1252 table texts.
#include "lang/languagetables.h"

#include <QString>

#include <optional>

class Messenger;
class QIODevice;

// The message a writer shows when it cannot write: dietlens and translator
// word it differently. The full path is appended to textPrefix.
struct LanguageSaveFailure
{
    QString title;
    QString textPrefix;
    static LanguageSaveFailure dietlens();                              // "Error #401"
    static LanguageSaveFailure translator(const QString& programTitle); // program's own title
};

// True when the file can be opened for reading.
bool FileExists(const QString& path);

// Fills the tables from the file. A missing file changes nothing, shows
// nothing and returns false; an unreadable one shows the loading message,
// changes nothing and returns false.
bool LoadLanguageFile(LanguageTables& tables, const QString& path, Messenger& messenger);

// Writes all tables, replacing the file atomically; on failure the old file
// is kept, the failure message is shown and false is returned.
bool SaveLanguageFile(const LanguageTables& tables, const QString& path, Messenger& messenger,
                      const LanguageSaveFailure& failure);

// The same reading and writing on any open device (a file, a buffer), without messages.
// ReadLanguageTables fills the tables as LoadLanguageFile does and is false, changing
// nothing, when the device holds no complete first record. WriteLanguageTables is false when a
// table is too long for the file or the device takes fewer bytes.
bool ReadLanguageTables(LanguageTables& tables, QIODevice& device);
std::optional<QString> ReadLanguageVersion(QIODevice& device);
bool WriteLanguageTables(const LanguageTables& tables, QIODevice& device);

// Header entry 1 (the version) of the file: "0" when there is no file, ""
// after a read failure (with "Error #402") or when the file holds no such entry.
QString GetLanguageFileVersion(const QString& path, Messenger& messenger);
