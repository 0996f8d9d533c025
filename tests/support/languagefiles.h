#pragma once
// The language-file reader and writer as the programs use them: whatever goes
// wrong is shown on a messenger, a failed save in dietlens's words unless
// another wording is given. Tests using these link shared_widgets.
#include "lang/languagefile.h"
#include "widgets/languagefileproblems.h"

namespace testsupport {

inline bool loadLanguageFile(LanguageTables& tables, const QString& path, Messenger& messenger)
{
    const Result<bool, LanguageFileProblem> loaded = LoadLanguageFile(tables, path);
    showLanguageFileProblems(messenger, loaded.problems, LanguageSaveFailure::dietlens());
    return loaded.value;
}

inline bool saveLanguageFile(const LanguageTables& tables, const QString& path, Messenger& messenger,
                             const LanguageSaveFailure& failure = LanguageSaveFailure::dietlens())
{
    const Result<void, LanguageFileProblem> saved = SaveLanguageFile(tables, path);
    showLanguageFileProblems(messenger, saved.problems, failure);
    return saved.ok();
}

inline QString languageFileVersion(const QString& path, Messenger& messenger)
{
    const Result<QString, LanguageFileProblem> version = GetLanguageFileVersion(path);
    showLanguageFileProblems(messenger, version.problems, LanguageSaveFailure::dietlens());
    return version.value;
}

} // namespace testsupport
