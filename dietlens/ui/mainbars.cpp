#include "dietlens/ui/mainbars.h"

#include "dietlens/core/program.h"
#include "dietlens/lang/text/functions.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/ui/coreicons.h"
#include "lang/languagetables.h"
#include "widgets/statuspanel.h"
#include "widgets/twips.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <vector>

MainBars::MainBars(QMainWindow& window, QWidget* toolbarParent) : QObject(&window), m_window(window)
{
    createMenus();
    createToolbar(toolbarParent);
    createStatusBar();
}

namespace {

// The menu bar and the tray menu, in the order they show: each menu, command
// and separator with its objectName, the slot of table 1 that holds its
// caption and its shortcut. The shortcuts run their command from anywhere in
// the window.
struct BarEntry
{
    enum Kind { Menu, Command, Separator } kind;
    const char* name;
    QMenu* MainMenus::*menu;        // a Menu: the menu made; otherwise the menu it goes into
    QMenu* MainMenus::*parent;      // a Menu: the menu it goes into, none for the menu bar
    QAction* MainCommands::*action; // a Command
    TextSlot slot;                  // caption (unused for a separator)
    QKeySequence shortcut;
};

const std::vector<BarEntry>& barEntries()
{
    using M = MainMenus;
    using C = MainCommands;
    namespace T = text::Main;
    static const std::vector<BarEntry> entries{
        {BarEntry::Menu, "mnu_bestand", &M::mnu_bestand, nullptr, nullptr, T::File, {}},
        {BarEntry::Command, "mnu_settings", &M::mnu_bestand, nullptr, &C::mnu_settings, T::Settings1,
         QKeySequence(Qt::CTRL | Qt::Key_S)},
        {BarEntry::Command, "mnu_connect", &M::mnu_bestand, nullptr, &C::mnu_connect, T::ConnectToServer2,
         QKeySequence(Qt::CTRL | Qt::Key_C)},
        {BarEntry::Separator, "mnu_bar_1", &M::mnu_bestand, nullptr, nullptr, {}, {}},
        {BarEntry::Menu, "mnu_export", &M::mnu_export, &M::mnu_bestand, nullptr, T::Export, {}},
        {BarEntry::Command,
         "mnu_opslaan",
         &M::mnu_export,
         nullptr,
         &C::mnu_opslaan,
         T::BookmarkToMenuviaFOOD,
         {}},
        {BarEntry::Separator, "mnu_bar_2", &M::mnu_bestand, nullptr, nullptr, {}, {}},
        {BarEntry::Command, "mnu_exit", &M::mnu_bestand, nullptr, &C::mnu_exit, T::Exit5,
         QKeySequence(Qt::CTRL | Qt::Key_X)},
        {BarEntry::Menu, "mnu_opties", &M::mnu_opties, nullptr, nullptr, T::Options, {}},
        {BarEntry::Command, "mnu_toevoegen", &M::mnu_opties, nullptr, &C::mnu_toevoegen, T::AddNewFoodItem,
         QKeySequence(Qt::CTRL | Qt::Key_N)},
        {BarEntry::Command, "mnu_addlijst", &M::mnu_opties, nullptr, &C::mnu_addlijst, T::AddToBookmarks,
         QKeySequence(Qt::CTRL | Qt::Key_B)},
        {BarEntry::Separator, "mnu_bar_3", &M::mnu_opties, nullptr, nullptr, {}, {}},
        {BarEntry::Command, "mnu_del", &M::mnu_opties, nullptr, &C::mnu_del, T::RemoveSelectedBookmark,
         QKeySequence(Qt::Key_Delete)},
        {BarEntry::Menu, "mnu_extra", &M::mnu_extra, nullptr, nullptr, T::Extra, {}},
        {BarEntry::Command,
         "mnu_reset_taal",
         &M::mnu_extra,
         nullptr,
         &C::mnu_reset_taal,
         T::ResetLanguageFiles,
         {}},
        {BarEntry::Menu, "mnu_info", &M::mnu_info, nullptr, nullptr, T::Information, {}},
        {BarEntry::Command, "mnu_index", &M::mnu_info, nullptr, &C::mnu_index, T::HelpIndex,
         QKeySequence(Qt::Key_F1)},
        {BarEntry::Command,
         "mnu_informatie",
         &M::mnu_info,
         nullptr,
         &C::mnu_informatie,
         T::AboutDietlens,
         {}},
        {BarEntry::Separator, "mnu_bar_4", &M::mnu_info, nullptr, nullptr, {}, {}},
        {BarEntry::Command, "mnu_website", &M::mnu_info, nullptr, &C::mnu_website, T::QuelmarWebsite, {}},
        {BarEntry::Command, "mnu_mvfoodinfo", &M::mnu_info, nullptr, &C::mnu_mvfoodinfo, T::MenuviaFOOD, {}},
        // The tray menu is not on the menu bar; the tray icon shows it.
        {BarEntry::Command, "mnuShow", &M::mnuPopup, nullptr, &C::mnuShow, T::Show, {}},
    };
    return entries;
}

} // namespace

void MainBars::createMenus()
{
    for (const BarEntry& e : barEntries()) {
        if (e.menu == &MainMenus::mnuPopup && !m_menus.mnuPopup) {
            m_menus.mnuPopup = new QMenu(&m_window);
            m_menus.mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
        }
        switch (e.kind) {
        case BarEntry::Menu: {
            QMenu* m =
                e.parent ? (m_menus.*e.parent)->addMenu(QString()) : m_window.menuBar()->addMenu(QString());
            m->setObjectName(QLatin1String(e.name));
            m_menus.*e.menu = m;
            break;
        }
        case BarEntry::Command: {
            QAction* a = (m_menus.*e.menu)->addAction(QString());
            a->setObjectName(QLatin1String(e.name));
            if (!e.shortcut.isEmpty()) {
                a->setShortcut(e.shortcut);
                a->setShortcutContext(Qt::WindowShortcut);
            }
            m_commands.*e.action = a;
            break;
        }
        case BarEntry::Separator:
            (m_menus.*e.menu)->addSeparator()->setObjectName(QLatin1String(e.name));
            break;
        }
    }
}

void MainBars::createToolbar(QWidget* parent)
{
    m_toolbar = new QToolBar(parent);
    m_toolbar->setObjectName(QStringLiteral("Toolbar"));
    m_toolbar->setAccessibleName(QStringLiteral("Toolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolbar->setGeometry(TwipsRect(0, 0, 3300, 420));

    const struct
    {
        CoreImage image;
        bool checkable;
    } buttons[] = {
        {CoreImage::Connect, false},      // 2
        {CoreImage::Settings, false},     // 3
        {CoreImage::ResultsList, true},   // 5
        {CoreImage::Bookmarks, true},     // 6
        {CoreImage::AddFoodItem, false},  // 8
        {CoreImage::BookmarkItem, false}, // 9
        {CoreImage::Help, false},         // 11
    };
    int next = 0;
    for (int position = 1; position <= 11; ++position) {
        QAction* a = nullptr;
        if (position == 1 || position == 4 || position == 7 || position == 10) {
            a = m_toolbar->addSeparator();
        } else {
            a = m_toolbar->addAction(CoreIcon(buttons[next].image), QString());
            a->setCheckable(buttons[next].checkable);
            ++next;
            connect(a, &QAction::triggered, this,
                    [this, position] { Q_EMIT toolbarButtonClicked(position); });
        }
        a->setObjectName(QStringLiteral("Toolbar_Button%1").arg(position));
        m_toolbarButtons.append(a);
    }
}

void MainBars::createStatusBar()
{
    QStatusBar* bar = m_window.statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(false);
    // One strip holds the three panels side by side, over the whole bar.
    auto* strip = new QWidget(bar);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    bar->addPermanentWidget(strip, 1);
    for (int i = 0; i < 3; ++i) {
        auto* panel = new StatusPanel(strip); // a cut text ends in "…" and shows whole as tooltip
        panel->setObjectName(QStringLiteral("StatusBar_Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(0);
        panel->setSizePolicy(i == 1 ? QSizePolicy::Ignored : QSizePolicy::Fixed, QSizePolicy::Preferred);
        row->addWidget(panel, i == 1 ? 1 : 0);
        m_panels[i] = panel;
    }
}

QAction* MainBars::toolbarButton(int position) const
{
    return position >= 1 && position <= m_toolbarButtons.size() ? m_toolbarButtons.at(position - 1) : nullptr;
}

QLabel* MainBars::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_panels[panel - 1] : nullptr;
}

void MainBars::Set_Taal(const LanguageTables& lang)
{
    for (const BarEntry& e : barEntries()) {
        if (e.kind == BarEntry::Menu)
            (m_menus.*e.menu)->setTitle(lang.at(e.slot));
        else if (e.kind == BarEntry::Command)
            (m_commands.*e.action)->setText(lang.at(e.slot));
    }
    // Toolbar position and its tip.
    namespace T = text::Main;
    const std::pair<int, TextSlot> tips[] = {{2, T::ConnectToServer16},   {3, T::Settings17},
                                             {5, T::InternetResultsList}, {6, T::Bookmarks},
                                             {8, T::AddANewFoodItem},     {9, T::BookmarkSelectedFoodItem},
                                             {11, T::ShowHelpFile}};
    for (const auto& [position, tip] : tips)
        toolbarButton(position)->setToolTip(lang.at(tip));
}

void MainBars::UpdateStatusBar(const LanguageTables& lang, qsizetype results, const QString& term)
{
    m_panels[0]->setText(ProgramName() + QLatin1Char(' ') + ProgramVersion());
    if (results == 0) {
        m_panels[1]->setText(lang.at(text::Functions::EnterAFoodItemTo));
    } else {
        m_panels[1]->setText(lang.at(text::Functions::ThereAre) + QString::number(results) +
                             lang.at(text::Functions::ResultsFor) + QStringLiteral(" '") + term +
                             QStringLiteral("'."));
    }
    m_panels[2]->setText(QStringLiteral("Quelmar 2005-2006"));
    FitStatusPanels();
}

void MainBars::FitStatusPanels()
{
    auto fitted = [](QLabel* panel, int twips) {
        const int text = panel->fontMetrics().horizontalAdvance(panel->text()) + 2 * panel->frameWidth() + 8;
        return std::max(Twips(twips), text);
    };
    const int first = fitted(m_panels[0], 1000), third = fitted(m_panels[2], 2000);
    m_panels[0]->setFixedWidth(first);
    m_panels[2]->setFixedWidth(third);
    m_panels[1]->setMinimumWidth(0); // stretches over the rest of the bar
}
