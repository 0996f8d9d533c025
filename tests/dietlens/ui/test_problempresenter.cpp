// Every kind of problem the model layer reports becomes exactly one message
// box, with the title and icon it has always had; the datum a problem carries
// ends up in its message.
#include "dietlens/core/appstate.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/ui/problempresenter.h"
#include "tests/support/scriptedmessenger.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ProblemKind)
Q_DECLARE_METATYPE(MessageIcon)

class TestProblemPresenter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneBoxPerProblem_data()
    {
        QTest::addColumn<ProblemKind>("kind");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("title");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("textHolds");
        using K = ProblemKind;
        const QString program = u"Dietlens"_s;
        const auto row = [](const char* name, K kind, const QString& detail, const QString& title,
                            MessageIcon icon, const QString& textHolds = QString()) {
            QTest::newRow(name) << kind << detail << title << icon << textHolds;
        };
        const MessageIcon critical = MessageIcon::Critical;
        row("calculation", K::CalculationFailed, {}, u"Error #F7-0h"_s, critical);
        row("chart", K::ChartNotDrawn, {}, u"Error #304"_s, critical);
        row("analysis", K::AnalysisFailed, u"Error #113"_s, u"Error #113"_s, critical);
        row("drag", K::DragFailed, u"Error #107"_s, u"Error #107"_s, critical);
        row("special folder", K::SpecialFolderUnknown, {}, u"Error #300"_s, critical);
        row("folder", K::FolderNotMade, {}, u"Error #302"_s, critical);
        row("settings not saved", K::SettingsNotSaved, {}, u"Error #201"_s, critical);
        row("first run", K::SettingsFileMissing, {}, program, MessageIcon::Information);
        row("bookmarks not read", K::BookmarksNotRead, {}, u"Error #202"_s, critical);
        row("bookmarks not saved", K::BookmarksNotSaved, {}, u"Error #203"_s, critical);
        row("nothing to export", K::NothingToExport, {}, program, MessageIcon::Exclamation);
        row("language folder", K::LanguageFolderMissing, {}, u"Error #305"_s, critical);
        row("language file not loaded", K::LanguageFileNotLoaded, u"/l/x.lsf"_s,
            u"Error during loading #03"_s, critical);
        row("language file not saved", K::LanguageFileNotSaved, u"/l/x.lsf"_s, u"Error #401"_s, critical,
            u"/l/x.lsf"_s);
        row("language version", K::LanguageVersionNotRead, u"/l/x.lsf"_s, u"Error #402"_s, critical,
            u"/l/x.lsf"_s);
        row("check-in", K::CheckinNotPossible, {}, u"Error #101"_s, critical);
        row("check-in transfer", K::CheckinTransferFailed, {}, u"Error #105"_s, critical);
        row("no response", K::ServerDidNotRespond, {}, program, MessageIcon::Exclamation);
        row("newer version", K::NewerVersionRequired, {}, program, MessageIcon::Information);
        row("search in bookmarks", K::SearchInBookmarkList, {}, program, MessageIcon::Exclamation);
        row("term too short", K::SearchTermTooShort, {}, u"Error #112"_s, critical);
        row("search failed", K::SearchFailed, {}, u"Error #100"_s, critical);
        row("search transfer", K::SearchTransferFailed, {}, u"Error #102"_s, critical);
        row("no results", K::NoSearchResults, u"rye"_s, program, MessageIcon::Information, u" 'rye'\n"_s);
    }
    void oneBoxPerProblem()
    {
        QFETCH(ProblemKind, kind);
        QFETCH(QString, detail);
        QFETCH(QString, title);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, textHolds);
        AppState state;
        CreateEnglishLanguage(state.lang, state.hosts);
        ScriptedMessenger messenger;
        ProblemPresenter(state.lang, messenger).show(Problem{kind, detail});
        QCOMPARE(messenger.titles(), QStringList{title});
        QCOMPARE(messenger.shown[0].icon, icon);
        QCOMPARE(messenger.shown[0].buttons, MessageButtons::Ok);
        QVERIFY(!messenger.shown[0].text.trimmed().isEmpty());
        QVERIFY2(messenger.shown[0].text.contains(textHolds), qPrintable(messenger.shown[0].text));
    }
};

QTEST_GUILESS_MAIN(TestProblemPresenter)
#include "test_problempresenter.moc"
