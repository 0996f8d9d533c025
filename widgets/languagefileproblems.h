#pragma once
// How both programs tell the user that a language file could not be read,
// written or have its version read. Reading failures are worded alike; a
// failed save is worded by each program its own way.
#include "lang/languagefile.h"

#include <QList>
#include <QString>

class Messenger;

// The message of a failed save: the full path is appended to textPrefix.
struct LanguageSaveFailure
{
    QString title;
    QString textPrefix;
    static LanguageSaveFailure dietlens();                              // "Error #401"
    static LanguageSaveFailure translator(const QString& programTitle); // program's own title
};

void showLanguageFileProblem(Messenger& messenger, const LanguageFileProblem& problem,
                             const LanguageSaveFailure& saveFailure);
// Each problem in turn.
void showLanguageFileProblems(Messenger& messenger, const QList<LanguageFileProblem>& problems,
                              const LanguageSaveFailure& saveFailure);
