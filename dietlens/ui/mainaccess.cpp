#include "dietlens/ui/mainaccess.h"

#include "dietlens/lang/text/main.h"
#include "dietlens/ui/mainbars.h"
#include "dietlens/ui/maincontrols.h"
#include "dietlens/ui/nutritionchartview.h"
#include "lang/languagetables.h"
#include "widgets/keyboardaccess.h"
#include "widgets/popupaccess.h"
#include "widgets/twips.h"

#include "dietlens/ui/foodlistview.h"
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVariant>

#include <algorithm>
#include <utility>

namespace {

// Toolbar buttons by position with the English name a screen reader reads
// when the language file leaves their tooltip empty.
const struct
{
    int position;
    const char* fallback;
} kToolbarNames[] = {{2, "Connect to server"},
                     {3, "Settings"},
                     {5, "Internet results list"},
                     {6, "Bookmarks"},
                     {8, "Add a new food item to database"},
                     {9, "Bookmark selected food item"},
                     {11, "Show help file"}};

const char* const kDesignTop = "designTop";
const char* const kDesignHeight = "designHeight";

// The menu shortcuts work in the search box too: Ctrl+C connects and Ctrl+X
// ends the program instead of copying or cutting text. A key whose command is
// disabled stays with the box.
class MenuShortcutsFirst : public QObject
{
public:
    explicit MenuShortcutsFirst(QMainWindow& window) : QObject(&window), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            const QList<QAction*> actions = m_window.findChildren<QAction*>();
            for (QAction* a : actions) {
                if (!a->shortcut().isEmpty() && a->shortcut() == pressed && a->isEnabled()) {
                    event->ignore();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QMainWindow& m_window;
};

} // namespace

void SetUpKeyboardAndNames(QMainWindow& window, MainBars& bars, const MainControls& c)
{
    // The two list views have no menu item; these shortcuts work from anywhere in the window.
    bars.toolbarButton(5)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    bars.toolbarButton(6)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    QList<QWidget*> order;
    for (const auto& b : kToolbarNames) {
        QAction* action = bars.toolbarButton(b.position);
        action->setShortcutContext(Qt::WindowShortcut);
        QWidget* button = bars.toolbar()->widgetForAction(action);
        button->setFocusPolicy(Qt::TabFocus);
        NameFollowsToolTip(button, QLatin1String(b.fallback));
        order << button;
    }
    // Switching the view by keyboard puts the keyboard into the list shown.
    for (int position : {5, 6}) {
        QObject::connect(bars.toolbarButton(position), &QAction::triggered, &window, [&window, c] {
            FoodListView* shown =
                c.LV_browse_bookmarks->isVisibleTo(&window) ? c.LV_browse_bookmarks : c.LV_browse;
            if ((shown->model() && shown->model()->rowCount() > 0) || shown == c.LV_browse_bookmarks)
                shown->setFocus(Qt::ShortcutFocusReason);
            else if (c.txt_item->isEnabled())
                c.txt_item->setFocus(Qt::ShortcutFocusReason);
        });
    }

    // The one-gram steps are the buttons' alone (the slider's keys step by
    // ten). The search button stays out of the Tab order: Enter in the search
    // box is the same command, and Tab leads from the box to the results.
    for (QToolButton* button : {c.Pic_plus, c.Pic_min})
        button->setFocusPolicy(Qt::TabFocus);
    NameFollowsToolTip(c.txt_item, QStringLiteral("Enter the food item that you want to search"));
    NameFollowsToolTip(c.Pic_zoeken, QStringLiteral("Confirm search"));
    NameFollowsToolTip(c.Pic_zoeken_bw, QStringLiteral("Can't send search"));
    NameFollowsToolTip(c.Pic_plus, QStringLiteral("Weight of food item + 1 gram"));
    NameFollowsToolTip(c.Pic_min, QStringLiteral("Weight of food item - 1 gram"));
    // The slider's tooltip is its weight; its name says what it sets.
    c.Slider->setAccessibleName(QStringLiteral("Weight of food item"));
    window.statusBar()->setAccessibleName(QStringLiteral("Status"));
    // Named before any language is applied: the first-start message and the
    // settings dialog come before the language file is read.
    c.LV_browse->setAccessibleName(QStringLiteral("Internet results list"));
    c.LV_browse_bookmarks->setAccessibleName(QStringLiteral("Bookmarks"));
    bars.trayMenu()->setAccessibleName(QStringLiteral("Show"));

    order << c.txt_item << c.LV_browse << c.LV_browse_bookmarks << c.Pic_plus << c.Slider << c.Pic_min;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));

    for (QAction* title : window.menuBar()->actions()) {
        if (QMenu* m = title->menu())
            AssignMnemonicsWhenShown(m);
    }
    AssignMnemonicsWhenShown(bars.trayMenu());
    OpenLikeAWindow(bars.trayMenu());
    c.txt_item->installEventFilter(new MenuShortcutsFirst(window));
}

void ApplyKeyboardAndNames(QMainWindow& window, MainBars& bars, const MainControls& c,
                           const LanguageTables& lang)
{
    AssignMenuBarMnemonics(window.menuBar());
    for (const auto& [position, slot] :
         {std::pair{5, text::Main::InternetResultsList}, std::pair{6, text::Main::Bookmarks}}) {
        QAction* button = bars.toolbarButton(position);
        button->setToolTip(ToolTipWithShortcut(lang.at(slot), button->shortcut()));
    }
    // The lists are named like the toolbar buttons that show them.
    const auto name = [](const QString& text, const char* fallback) {
        return text.trimmed().isEmpty() ? QLatin1String(fallback) : text;
    };
    c.LV_browse->setAccessibleName(name(lang.at(text::Main::InternetResultsList), "Internet results list"));
    c.LV_browse_bookmarks->setAccessibleName(name(lang.at(text::Main::Bookmarks), "Bookmarks"));
    bars.trayMenu()->setAccessibleName(name(lang.at(text::Main::Show), "Show"));
}

void FitToFont(QMainWindow& window, QWidget* client, const MainControls& c)
{
    QWidget* const below[] = {c.LV_browse, c.LV_browse_bookmarks, c.Slider,  c.Pic_plus,
                              c.Pic_min,   c.Pic_grafiek,         c.txt_item};
    for (QWidget* w : below) {
        if (!w->property(kDesignTop).isValid())
            w->setProperty(kDesignTop, w->y());
    }
    if (!c.txt_item->property(kDesignHeight).isValid())
        c.txt_item->setProperty(kDesignHeight, c.txt_item->height());
    const int designHeight = c.txt_item->property(kDesignHeight).toInt();
    const int extra = std::max(0, c.txt_item->sizeHint().height() - designHeight);
    c.txt_item->resize(c.txt_item->width(), designHeight + extra);
    for (QWidget* w : below) {
        if (w != c.txt_item)
            w->move(w->x(), w->property(kDesignTop).toInt() + extra);
    }
    // The client area ends 90 twips below the chart, as the window's layout has it.
    const int height = c.Pic_grafiek->geometry().bottom() + 1 + Twips(90);
    if (client->height() != height) {
        client->setFixedSize(client->width(), height);
        window.adjustSize();
    }
}
