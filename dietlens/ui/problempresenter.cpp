#include "dietlens/ui/problempresenter.h"

#include "dietlens/core/program.h"
#include "dietlens/lang/text/functions.h"
#include "dietlens/lang/text/main.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"
#include "widgets/languagefileproblems.h"

ProblemPresenter::ProblemPresenter(const LanguageTables& lang, Messenger& messenger)
    : m_lang(lang), m_messenger(messenger)
{
}

void ProblemPresenter::show(const Problem& problem) const
{
    const auto T = [this](TextSlot slot) { return m_lang.at(slot); };
    const auto critical = [this](const QString& title, const QString& text) {
        m_messenger.message(title, text, MessageIcon::Critical);
    };
    const auto languageFile = [&](LanguageFileProblem::Kind kind) {
        showLanguageFileProblem(m_messenger, {kind, problem.detail}, LanguageSaveFailure::dietlens());
    };
    namespace F = text::Functions;
    namespace M = text::Main;

    switch (problem.kind) {
    case ProblemKind::CalculationFailed:
        critical(QStringLiteral("Error #F7-0h"),
                 joinLines({T(F::AnErrorOccurredDuringThe), T(F::PleaseNotifyUsAboutThis), QString(),
                            T(F::ContactUsAtOurWebsite)}));
        return;
    case ProblemKind::ChartNotDrawn:
        critical(QStringLiteral("Error #304"),
                 joinLines({T(F::AnErrorOccurredWhileGenerating), T(F::PleaseContactQuelmarWhenThis)}));
        return;
    case ProblemKind::AnalysisFailed:
        critical(problem.detail,
                 joinLines({T(M::AnErrorOccurredWhileAnalysing), T(M::PleaseContactQuelmarWhenThis47)}));
        return;
    case ProblemKind::DragFailed:
        critical(problem.detail,
                 joinLines({T(M::AnErrorOccurredDuringDragging), T(M::PleaseContactQuelmarWhenThis54)}));
        return;

    case ProblemKind::SpecialFolderUnknown:
        critical(QStringLiteral("Error #300"),
                 joinLines({T(F::AnErrorOccurredWhileRunning), T(F::PleaseContactQuelmarWhenThis)}));
        return;
    case ProblemKind::FolderNotMade:
        critical(QStringLiteral("Error #302"), T(F::AnErrorOccurredWhileMaking));
        return;
    case ProblemKind::SettingsNotSaved:
        critical(QStringLiteral("Error #201"),
                 joinLines({T(F::CannotCreateTheFileDl2set), T(F::IsTheDiskWriteProtected), QString(),
                            T(F::MakeSureTheDiskIs)}));
        return;
    case ProblemKind::SettingsFileMissing:
        m_messenger.message(ProgramName(),
                            joinLines({T(F::TheFileDl2setDatHas), T(F::ThisIsProbablyThisIs), QString(),
                                       T(F::FillInAllTheRequired), T(F::PressOKToOpenThe)}),
                            MessageIcon::Information);
        return;
    case ProblemKind::BookmarksNotRead:
        critical(QStringLiteral("Error #202"), T(F::AnErrorOccurredWhileOpening));
        return;
    case ProblemKind::BookmarksNotSaved:
        critical(QStringLiteral("Error #203"), T(F::AnErrorOccurredWhileSaving));
        return;
    case ProblemKind::NothingToExport:
        m_messenger.message(ProgramName(),
                            joinLines({T(M::ThereAreNoFoodItems), T(M::SearchAFoodItemBookmark)}),
                            MessageIcon::Exclamation);
        return;
    case ProblemKind::LanguageFolderMissing:
        critical(QStringLiteral("Error #305"),
                 joinLines({T(F::AnErrorOccurredWhileRunning), T(F::PleaseContactQuelmarWhenThis)}));
        return;
    case ProblemKind::LanguageFileNotLoaded:
        languageFile(LanguageFileProblem::Kind::NotLoaded);
        return;
    case ProblemKind::LanguageFileNotSaved:
        languageFile(LanguageFileProblem::Kind::NotSaved);
        return;
    case ProblemKind::LanguageVersionNotRead:
        languageFile(LanguageFileProblem::Kind::VersionNotRead);
        return;

    case ProblemKind::CheckinNotPossible:
        critical(QStringLiteral("Error #101"),
                 joinLines({T(M::AnErrorOccurredWhileMaking), T(M::TheServerIsProbablyNot), QString(),
                            T(M::CheckYourInternetConnectionAnd41)}));
        return;
    case ProblemKind::CheckinTransferFailed:
        critical(QStringLiteral("Error #105"),
                 joinLines({T(M::AnErrorOccurredWhileConnecting), T(M::CheckYourInternetConnectionAnd49),
                            QString(), T(M::IfYouWantToSearch50)}));
        return;
    case ProblemKind::ServerDidNotRespond:
        m_messenger.message(ProgramName(),
                            joinLines({T(M::AConnectionWithTheServer), T(M::TheServerDidNotRespond),
                                       QString(), T(M::CheckYourInternetConnectionAnd35)}),
                            MessageIcon::Exclamation);
        return;
    case ProblemKind::NewerVersionRequired:
        m_messenger.message(ProgramName(),
                            joinLines({T(M::ANewerVersionOfDietlens), T(M::ThisCurrentVersionOfDietlens),
                                       QString(), T(M::YouCanDownloadTheNewer)}),
                            MessageIcon::Information);
        return;
    case ProblemKind::SearchInBookmarkList:
        m_messenger.message(ProgramName(),
                            joinLines({T(M::YouCannotPerformASearch), T(M::PressTheBarchartInternetButton)}),
                            MessageIcon::Exclamation);
        return;
    case ProblemKind::SearchTermTooShort:
        critical(QStringLiteral("Error #112"),
                 joinLines({T(M::CantSendThisSearchTo), T(M::YouHaveToEnterAt)}));
        return;
    case ProblemKind::SearchFailed:
        critical(QStringLiteral("Error #100"),
                 joinLines({T(M::AnErrorOccurredDuringThe), T(M::TheLastSearchJobHas), QString(),
                            T(M::PleaseTryAgainLater)}));
        return;
    case ProblemKind::SearchTransferFailed:
        critical(QStringLiteral("Error #102"),
                 joinLines({T(M::AnErrorOccurredWhileSearching), T(M::CheckYourInternetConnectionAnd43),
                            QString(), T(M::IfYouWantToSearch44)}));
        return;
    case ProblemKind::NoSearchResults:
        m_messenger.message(ProgramName(),
                            joinLines({T(M::NoResultsHaveBeenFound) + QStringLiteral(" '") + problem.detail +
                                           QLatin1Char('\''),
                                       T(M::TryAnotherSearch)}),
                            MessageIcon::Information);
        return;
    }
}

void ProblemPresenter::show(const QList<Problem>& problems) const
{
    for (const Problem& problem : problems)
        show(problem);
}

bool ProblemPresenter::askToResetLanguageFiles() const
{
    namespace M = text::Main;
    return m_messenger.message(
               ProgramName(),
               joinLines({m_lang.at(M::YouAreGoingToReset), QString(), m_lang.at(M::AllTheLanguageFilesWill),
                          m_lang.at(M::AreYouSureYouWant)}),
               MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes;
}

void ProblemPresenter::confirmLanguageFilesReset() const
{
    m_messenger.message(ProgramName(), m_lang.at(text::Main::AllTheLanguageFilesHave),
                        MessageIcon::Information);
}

void ProblemPresenter::confirmBookmarkAdded(const QString& name) const
{
    m_messenger.message(ProgramName(),
                        QLatin1Char('\'') + name + QStringLiteral("' ") +
                            m_lang.at(text::Main::IsAddedToTheBookmark),
                        MessageIcon::NoIcon);
}

QString ProblemPresenter::askExportPath(const QString& databaseFolder) const
{
    FileDialogRequest request;
    request.title = m_lang.at(text::Main::SaveBookmarksAsAMenuvia);
    request.startFolder = databaseFolder;
    request.filter = QStringLiteral("Menuvia FOOD Database file (*.dat)");
    return m_messenger.saveFileName(request);
}
