#pragma once
// The code listing "output.txt": one assignment line per non-empty table
// entry, for pasting the texts of a language file into source code.
#include "lang/languagetables.h"

#include <QByteArray>
#include <QString>

namespace translator {

// Every non-empty entry, tables 0 to 25 in index order, as
// <tab>Fnn_lng_(index) = "text"<CR LF>; texts are written exactly as stored.
QString BuildCodeListing(const LanguageTables& tables);

// The listing as the file's bytes (Windows-1252).
QByteArray CodeListingBytes(const LanguageTables& tables);

// Replaces the file at path atomically; false when it could not be written
// (the old file is then kept).
bool WriteCodeListing(const LanguageTables& tables, const QString& path);

} // namespace translator
