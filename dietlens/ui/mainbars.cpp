#include "dietlens/ui/mainbars.h"

#include "dietlens/core/program.h"
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

MainBars::MainBars(QMainWindow& window, QWidget* toolbarParent) : QObject(&window), m_window(window)
{
    createMenus();
    createToolbar(toolbarParent);
    createStatusBar();
}

void MainBars::createMenus()
{
    auto addMenu = [this](QMenu* parentMenu, const char* name) {
        QMenu* m = parentMenu ? parentMenu->addMenu(QString()) : m_window.menuBar()->addMenu(QString());
        m->setObjectName(QLatin1String(name));
        return m;
    };
    // The shortcuts run their command from anywhere in the window.
    auto addItem = [](QMenu* m, const char* name, const QKeySequence& shortcut = {}) {
        QAction* a = m->addAction(QString());
        a->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty()) {
            a->setShortcut(shortcut);
            a->setShortcutContext(Qt::WindowShortcut);
        }
    };
    auto addBar = [](QMenu* m, const char* name) { m->addSeparator()->setObjectName(QLatin1String(name)); };

    QMenu* bestand = addMenu(nullptr, "mnu_bestand");
    addItem(bestand, "mnu_settings", QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(bestand, "mnu_connect", QKeySequence(Qt::CTRL | Qt::Key_C));
    addBar(bestand, "mnu_bar_1");
    addItem(addMenu(bestand, "mnu_export"), "mnu_opslaan");
    addBar(bestand, "mnu_bar_2");
    addItem(bestand, "mnu_exit", QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* opties = addMenu(nullptr, "mnu_opties");
    addItem(opties, "mnu_toevoegen", QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem(opties, "mnu_addlijst", QKeySequence(Qt::CTRL | Qt::Key_B));
    addBar(opties, "mnu_bar_3");
    addItem(opties, "mnu_del", QKeySequence(Qt::Key_Delete));

    addItem(addMenu(nullptr, "mnu_extra"), "mnu_reset_taal");

    QMenu* info = addMenu(nullptr, "mnu_info");
    addItem(info, "mnu_index", QKeySequence(Qt::Key_F1));
    addItem(info, "mnu_informatie");
    addBar(info, "mnu_bar_4");
    addItem(info, "mnu_website");
    addItem(info, "mnu_mvfoodinfo");

    // The tray menu is not on the menu bar; the tray icon shows it.
    m_trayMenu = new QMenu(&m_window);
    m_trayMenu->setObjectName(QStringLiteral("mnuPopup"));
    addItem(m_trayMenu, "mnuShow");
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

QAction* MainBars::action(const QString& name) const
{
    return m_window.findChild<QAction*>(name);
}

QMenu* MainBars::menu(const QString& name) const
{
    return m_window.findChild<QMenu*>(name);
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
    const struct
    {
        const char* name;
        int slot;
    } menus[] = {{"mnu_bestand", 0},
                 {"mnu_export", 3},
                 {"mnu_opties", 6},
                 {"mnu_info", 10},
                 {"mnu_extra", 67}},
      items[] = {{"mnu_settings", 1},  {"mnu_connect", 2},     {"mnu_opslaan", 4}, {"mnu_exit", 5},
                 {"mnu_toevoegen", 7}, {"mnu_addlijst", 8},    {"mnu_del", 9},     {"mnu_informatie", 11},
                 {"mnu_website", 12},  {"mnu_mvfoodinfo", 13}, {"mnuShow", 14},    {"mnu_reset_taal", 68},
                 {"mnu_index", 71}};
    for (const auto& m : menus)
        menu(QLatin1String(m.name))->setTitle(lang.at(1, m.slot));
    for (const auto& i : items)
        action(QLatin1String(i.name))->setText(lang.at(1, i.slot));

    const int tips[][2] = {{2, 16}, {3, 17}, {5, 18}, {6, 19}, {8, 20}, {9, 21}, {11, 22}};
    for (const auto& t : tips)
        toolbarButton(t[0])->setToolTip(lang.at(1, t[1]));
}

void MainBars::UpdateStatusBar(const LanguageTables& lang, qsizetype results, const QString& term)
{
    m_panels[0]->setText(ProgramName() + QLatin1Char(' ') + ProgramVersion());
    if (results == 0) {
        m_panels[1]->setText(lang.at(7, 17));
    } else {
        m_panels[1]->setText(lang.at(7, 18) + QString::number(results) + lang.at(7, 19) +
                             QStringLiteral(" '") + term + QStringLiteral("'."));
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
