#include "widgets/languagefileproblems.h"

#include "lang/messenger.h"

LanguageSaveFailure LanguageSaveFailure::dietlens()
{
    return {QStringLiteral("Error #401"), QStringLiteral("An error occured while saving the languagefile")};
}

LanguageSaveFailure LanguageSaveFailure::translator(const QString& programTitle)
{
    return {programTitle, QStringLiteral("An error occured while saving the language file: ")};
}

void showLanguageFileProblem(Messenger& messenger, const LanguageFileProblem& problem,
                             const LanguageSaveFailure& saveFailure)
{
    switch (problem.kind) {
    case LanguageFileProblem::Kind::NotLoaded:
        messenger.message(QStringLiteral("Error during loading #03"),
                          joinLines({QStringLiteral("Error during loading!"),
                                     QStringLiteral("The language file could not be opened")}),
                          MessageIcon::Critical);
        return;
    case LanguageFileProblem::Kind::NotSaved:
        messenger.message(saveFailure.title, saveFailure.textPrefix + problem.path, MessageIcon::Critical);
        return;
    case LanguageFileProblem::Kind::VersionNotRead:
        messenger.message(QStringLiteral("Error #402"),
                          QStringLiteral("An error occured during language version retrieval in file ") +
                              problem.path,
                          MessageIcon::Critical);
        return;
    }
}

void showLanguageFileProblems(Messenger& messenger, const QList<LanguageFileProblem>& problems,
                              const LanguageSaveFailure& saveFailure)
{
    for (const LanguageFileProblem& problem : problems)
        showLanguageFileProblem(messenger, problem, saveFailure);
}
