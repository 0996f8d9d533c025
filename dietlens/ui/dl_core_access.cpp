// Keyboard and screen-reader access of the main window: shortcuts for the two
// list views, the tab order, menu mnemonics, accessible names, and a layout
// that grows with a larger desktop font.
#include "dietlens/ui/dl_core.h"

#include "dietlens/core/appstate.h"
#include "dietlens/ui/kit/keyboardaccess.h"
#include "dietlens/ui/kit/twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
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

} // namespace

void DL_Core::SetUpKeyboardAndNames()
{
    // The two list views have no menu item; these shortcuts work from anywhere in the window.
    toolbarButton(5)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    toolbarButton(6)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    QList<QWidget*> order;
    for (const auto& b : kToolbarNames) {
        QAction* action = toolbarButton(b.position);
        action->setShortcutContext(Qt::WindowShortcut);
        QWidget* button = Toolbar->widgetForAction(action);
        button->setFocusPolicy(Qt::TabFocus);
        NameFollowsToolTip(button, QLatin1String(b.fallback));
        order << button;
    }
    // Switching the view by keyboard puts the keyboard into the list shown.
    for (int position : {5, 6}) {
        connect(toolbarButton(position), &QAction::triggered, this, [this] {
            QTreeWidget* shown = LV_browse_bookmarks->isVisibleTo(this) ? LV_browse_bookmarks : LV_browse;
            if (shown->topLevelItemCount() > 0 || shown == LV_browse_bookmarks)
                shown->setFocus(Qt::ShortcutFocusReason);
            else if (txt_item->isEnabled())
                txt_item->setFocus(Qt::ShortcutFocusReason);
        });
    }

    // The one-gram steps are the buttons' alone (the slider's keys step by
    // ten). The search button stays out of the Tab order: Enter in the search
    // box is the same command, and Tab leads from the box to the results.
    for (QToolButton* button : {Pic_plus, Pic_min})
        button->setFocusPolicy(Qt::TabFocus);
    NameFollowsToolTip(txt_item, QStringLiteral("Enter the food item that you want to search"));
    NameFollowsToolTip(Pic_zoeken, QStringLiteral("Confirm search"));
    NameFollowsToolTip(Pic_zoeken_bw, QStringLiteral("Can't send search"));
    NameFollowsToolTip(Pic_plus, QStringLiteral("Weight of food item + 1 gram"));
    NameFollowsToolTip(Pic_min, QStringLiteral("Weight of food item - 1 gram"));
    // The slider's tooltip is its weight; its name says what it sets.
    Slider->setAccessibleName(QStringLiteral("Weight of food item"));
    statusBar()->setAccessibleName(QStringLiteral("Status"));

    order << txt_item << LV_browse << LV_browse_bookmarks << Pic_plus << Slider << Pic_min;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));

    for (QAction* title : menuBar()->actions()) {
        if (QMenu* m = title->menu())
            AssignMnemonicsWhenShown(m);
    }
    AssignMnemonicsWhenShown(mnuPopup);
}

void DL_Core::ApplyKeyboardAndNames()
{
    AssignMenuBarMnemonics(menuBar());
    for (const auto& [position, slot] : {std::pair{5, 18}, std::pair{6, 19}}) {
        QAction* button = toolbarButton(position);
        button->setToolTip(ToolTipWithShortcut(m_state.F(1, slot), button->shortcut()));
    }
    // The lists are named like the toolbar buttons that show them.
    const auto name = [](const QString& text, const char* fallback) {
        return text.trimmed().isEmpty() ? QLatin1String(fallback) : text;
    };
    LV_browse->setAccessibleName(name(m_state.F(1, 18), "Internet results list"));
    LV_browse_bookmarks->setAccessibleName(name(m_state.F(1, 19), "Bookmarks"));
    mnuPopup->setAccessibleName(name(m_state.F(1, 14), "Show"));
}

void DL_Core::FitToFont()
{
    // At the desktop's default font the layout stands as designed in twips.
    // A larger font needs a taller search box; everything below it moves
    // down by as much and the window grows with it.
    QWidget* const below[] = {LV_browse, LV_browse_bookmarks, Slider, Pic_plus, Pic_min, Pic_grafiek, txt_item};
    for (QWidget* w : below) {
        if (!w->property(kDesignTop).isValid())
            w->setProperty(kDesignTop, w->y());
    }
    if (!txt_item->property("designHeight").isValid())
        txt_item->setProperty("designHeight", txt_item->height());
    const int designHeight = txt_item->property("designHeight").toInt();
    const int extra = std::max(0, txt_item->sizeHint().height() - designHeight);
    txt_item->resize(txt_item->width(), designHeight + extra);
    for (QWidget* w : below) {
        if (w != txt_item)
            w->move(w->x(), w->property(kDesignTop).toInt() + extra);
    }
    // The client area ends 90 twips below the chart, as ArrangeMainWindow has it.
    const int height = Pic_grafiek->geometry().bottom() + 1 + Twips(90);
    if (m_client->height() != height) {
        m_client->setFixedSize(m_client->width(), height);
        adjustSize();
    }
}
