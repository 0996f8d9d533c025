// Walks the accessibility tree of every window of dietlens and translator, as
// a screen reader sees it, and fails on any control that takes the focus but
// has no name. Also reads the chart's six values after a drawing.
#include "dietlens/core/appstate.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/ui/dl_add.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/dl_informatie.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/notices.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "lang/language.h"
#include "lang/messenger.h"
#include "tests/support/mainwindowcontrols.h"
#include "tests/support/scriptedmessenger.h"
#include "tests/support/setupuser.h"
#include "translator/tr_core.h"
#include "translator/tr_edit.h"
#include "translator/tr_form.h"
#include "translator/tr_replace.h"
#include "widgets/openwith.h"
#include "widgets/popupaccess.h"

#include <QAccessible>
#include <QMenu>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <functional>
#include <memory>

namespace {

QString describe(QAccessibleInterface* iface)
{
    QObject* o = iface->object();
    return o ? QString::fromLatin1(o->metaObject()->className()) + u'/' + o->objectName()
             : QStringLiteral("(item) role %1").arg(int(iface->role()));
}

// Every shown control below the interface that takes the focus, or tool bar that holds such
// controls, and has no name.
void collectNameless(QAccessibleInterface* iface, QStringList& nameless, int depth = 0)
{
    if (!iface || depth > 40)
        return;
    const QAccessible::State state = iface->state();
    if (state.invisible)
        return;
    const bool named = !iface->text(QAccessible::Name).trimmed().isEmpty();
    if ((state.focusable || iface->role() == QAccessible::ToolBar) && !named)
        nameless << describe(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        collectNameless(iface->child(i), nameless, depth + 1);
}

QString namelessIn(QWidget* window)
{
    window->show();
    QStringList nameless;
    collectNameless(QAccessible::queryAccessibleInterface(window), nameless);
    return nameless.join(QStringLiteral(", "));
}

} // namespace

class TestAccessibleWindows : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    AppState state;
    Language language{state.lang};
    ScriptedMessenger messenger;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        testsupport::prepareSetUpUser(state, dir.path(), QStringLiteral("127.0.0.1:1"),
                                      QStringLiteral("127.0.0.1:1"));
    }

    void everyFocusableControlHasAName_data()
    {
        QTest::addColumn<bool>("dutch");
        QTest::newRow("English") << false;
        QTest::newRow("Dutch") << true;
    }
    void everyFocusableControlHasAName()
    {
        QFETCH(bool, dutch);
        if (dutch)
            CreateDutchLanguage(state.lang, state.hosts);
        else
            CreateEnglishLanguage(state.lang, state.hosts);

        const QList<std::function<QWidget*()>> dietlens = {
            [&] {
                auto* w = new DL_Core(state, messenger);
                w->FinishStartUp();
                // Both lists with rows, the bookmark list shown.
                w->bookmarks().setRecords({QStringLiteral("Pear½Default½150½600½150½1½1½1½20½0.01½0½x½")});
                w->display().Fill_BookmarkList();
                FoodItem apple;
                apple.name = QStringLiteral("Apple");
                w->display().ShowSearchResults({apple});
                return w;
            },
            // As the first-start message and the settings dialog find it,
            // before any language is applied.
            [&] { return new DL_Core(state, messenger); },
            [&] { return new DL_Properties(state.settings, state.paths, language, messenger); },
            [&] { return new DL_Add(state.settings, state.paths, state.food, state.lang, messenger, {}); },
            [&] { return new DL_Informatie(state.settings, state.lang); },
            [&] { return new DL_ToTray(state.settings, state.paths, state.lang, messenger); },
            [&] { return new DL_Connectmelding(state.settings, state.paths, state.lang, messenger); },
            [&] {
                return new OpenWithChooser(QStringLiteral("http://127.0.0.1/"),
                                           {{QStringLiteral("Browser"), QStringLiteral("browser %u"), true}});
            },
        };
        for (const auto& make : dietlens) {
            std::unique_ptr<QWidget> window(make());
            QCOMPARE(namelessIn(window.get()), QString());
            if (auto* core = qobject_cast<DL_Core*>(window.get())) {
                QMenu* trayMenu = testsupport::menu(*core, QStringLiteral("mnuPopup"));
                trayMenu->popup(QPoint(10, 10));
                QCOMPARE(namelessIn(trayMenu), QString());
                trayMenu->hide();
            }
        }
    }

    void everyTranslatorControlHasAName()
    {
        translator::TranslatorSettings settings;
        settings.documentsFolder = dir.path() + u'/';
        translator::TR_Core core(settings, messenger);
        QCOMPARE(namelessIn(&core), QString());
        translator::TR_Edit edit(core.document(), messenger, &core);
        QCOMPARE(namelessIn(&edit), QString());
        translator::TR_Form form(core.document(), messenger, &core);
        QCOMPARE(namelessIn(&form), QString());
        translator::TR_Replace replace(core.document(), messenger, &core);
        QCOMPARE(namelessIn(&replace), QString());
    }

    // Qt lists no pop-up among the application's children; the tray menu is, while it is open,
    // with its first command chosen for the keyboard.
    void theOpenTrayMenuIsListedWithTheWindows()
    {
        ListOpenPopupMenus();
        CreateEnglishLanguage(state.lang, state.hosts);
        DL_Core window(state, messenger);
        window.FinishStartUp();
        QMenu* trayMenu = testsupport::menu(window, QStringLiteral("mnuPopup"));
        QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
        const auto listed = [&] {
            for (int i = 0; i < application->childCount(); ++i) {
                if (application->child(i)->object() == trayMenu)
                    return application->indexOfChild(application->child(i)) == i;
            }
            return false;
        };
        QVERIFY(!listed());
        trayMenu->popup(QPoint(10, 10));
        QTRY_VERIFY(trayMenu->activeAction());
        QCOMPARE(trayMenu->activeAction()->objectName(), QStringLiteral("mnuShow"));
        QVERIFY(listed());
        QCOMPARE(QAccessible::queryAccessibleInterface(trayMenu)->parent(), application);
        trayMenu->hide();
        QVERIFY(!listed());
    }

    void translatorTabOrderFollowsTheLayout()
    {
        translator::TranslatorSettings settings;
        settings.documentsFolder = dir.path() + u'/';
        translator::TR_Core core(settings, messenger);
        QStringList order;
        QWidget* w = core.findChild<QWidget*>(QStringLiteral("lst_lang"));
        QVERIFY(w);
        for (int i = 0; i < 6; ++i) {
            do
                w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
            order << w->objectName();
        }
        QCOMPARE(order, (QStringList{QStringLiteral("txt_app"), QStringLiteral("txt_versie"),
                                     QStringLiteral("txt_naam"), QStringLiteral("txt_date"),
                                     QStringLiteral("txt_rev"), QStringLiteral("txt_filetitle")}));
    }

    void theChartReadsItsSixValues()
    {
        CreateEnglishLanguage(state.lang, state.hosts);
        DL_Core window(state, messenger);
        window.FinishStartUp();
        testsupport::Slider(window)->setValue(150);
        // kJ, kcal, unsaturated fat, saturated fat, carbohydrates, protein, sodium per 100 g.
        window.display().DrawNutritionChart({600, 143, 4, 15, 30, 8.5f, 0.25f});
        QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(testsupport::Pic_grafiek(window));
        QVERIFY(chart);
        QStringList read;
        for (int i = 0; i < chart->childCount(); ++i)
            read << chart->child(i)->text(QAccessible::Name);
        QCOMPARE(read, (QStringList{QStringLiteral("Kilojoules per 150 Gram: 900 Kj"),
                                    QStringLiteral("Saturated fat per 150 Gram: 22.50 Gr."),
                                    QStringLiteral("Unsaturated fat per 150 Gram: 6.00 Gr."),
                                    QStringLiteral("Sodium per 150 Gram: 0.375 Gr."),
                                    QStringLiteral("Protein per 150 Gram: 12.75 Gr."),
                                    QStringLiteral("Carbohydrates per 150 Gram: 45.00 Gr.")}));
        // A drawing that changes nothing (0 kJ) leaves what is read as it was.
        window.display().DrawNutritionChart({0, 0, 1, 1, 1, 1, 1});
        QCOMPARE(chart->child(1)->text(QAccessible::Name),
                 QStringLiteral("Saturated fat per 150 Gram: 22.50 Gr."));
    }
};

QTEST_MAIN(TestAccessibleWindows)
#include "test_accessible_windows.moc"
