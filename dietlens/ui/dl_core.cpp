#include "dietlens/ui/dl_core.h"

#include "dietlens/core/appstate.h"
#include "dietlens/core/numbers.h"
#include "dietlens/net/request.h"
#include "dietlens/ui/coreicons.h"
#include "dietlens/ui/dialogsupport.h"
#include "dietlens/ui/kit/statuspanel.h"
#include "dietlens/ui/kit/twips.h"
#include "dietlens/ui/startup.h"
#include "lang/messenger.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Design geometry of the controls, in twips, relative to the window's client area.
constexpr int kChartLeft = 3360, kChartTop = 420, kChartWidth = 3615, kChartHeight = 3700;
constexpr int kListLeft = 60, kListTop = 420, kListWidth = 2850;
constexpr int kToolbarHeight = 420, kToolbarWidth = 3300;
constexpr int kSearchButtonSize = 255;

// The menu shortcuts; they run their command from anywhere in the window.
struct MenuItem
{
    const char* name;
    QKeySequence shortcut;
};

QTreeWidget* makeList(const char* name, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setAllColumnsShowFocus(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setIconSize(QSize(16, 16));
    list->setColumnCount(0);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionsMovable(false);
    return list;
}

} // namespace

DL_Core::DL_Core(AppState& state, Messenger& messenger, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_messenger(messenger),
      m_checkinCycle(new net::RequestCycle(this)), m_searchCycle(new net::RequestCycle(this))
{
    setObjectName(QStringLiteral("DL_Core"));
    m_checkinCycle->setObjectName(QStringLiteral("Inet2"));
    m_searchCycle->setObjectName(QStringLiteral("Inet1"));
    for (net::RequestCycle* cycle : {m_checkinCycle, m_searchCycle}) {
        cycle->setWaitHooks([] { QApplication::setOverrideCursor(Qt::WaitCursor); },
                            [] { QApplication::restoreOverrideCursor(); });
    }
    m_endProgram = [] { QCoreApplication::exit(0); };

    m_connectIcon = CoreIcon(CoreImage::Connect);
    m_disconnectIcon = CoreIcon(CoreImage::Disconnect);
    m_checkedIcon = StatusSquare(QColor(40, 180, 40));
    m_uncheckedIcon = StatusSquare(QColor(220, 40, 40));
    setWindowIcon(CoreIcon(CoreImage::Program));
    setWindowTitle(m_state.ProgramName + QStringLiteral(" (niet verbonden)"));

    CreateControls();
    CreateMenus();
    CreateToolbar();
    CreateStatusBar();
    ConnectDisplayControls();
    ArrangeMainWindow();
    SetUpKeyboardAndNames();
}

DL_Core::~DL_Core() = default;

void DL_Core::CreateControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    txt_item = new QLineEdit(m_client);
    txt_item->setObjectName(QStringLiteral("txt_item"));
    txt_item->setGeometry(TwipsRect(kChartLeft, 60, kChartWidth - kSearchButtonSize - 120, 315));
    txt_item->installEventFilter(this);
    connect(txt_item, &QLineEdit::returnPressed, this, &DL_Core::Pic_zoeken_Click);

    Pic_zoeken = new QToolButton(m_client);
    Pic_zoeken->setObjectName(QStringLiteral("Pic_zoeken"));
    Pic_zoeken->setAutoRaise(true);
    Pic_zoeken->setIcon(CoreIcon(CoreImage::Search));
    Pic_zoeken->setIconSize(TwipsSize(kSearchButtonSize, kSearchButtonSize));
    Pic_zoeken->setFocusPolicy(Qt::NoFocus);
    Pic_zoeken->setGeometry(TwipsRect(kChartLeft + kChartWidth - kSearchButtonSize - 30, 45,
                                      kSearchButtonSize + 60, kSearchButtonSize + 60));
    connect(Pic_zoeken, &QToolButton::clicked, this, &DL_Core::Pic_zoeken_Click);

    Pic_zoeken_bw = new QLabel(m_client);
    Pic_zoeken_bw->setObjectName(QStringLiteral("Pic_zoeken_bw"));
    Pic_zoeken_bw->setAlignment(Qt::AlignCenter);
    Pic_zoeken_bw->setPixmap(CoreIcon(CoreImage::SearchGrey).pixmap(TwipsSize(kSearchButtonSize, kSearchButtonSize)));
    Pic_zoeken_bw->resize(Pic_zoeken->size());

    LV_browse = makeList("LV_browse", m_client);
    LV_browse_bookmarks = makeList("LV_browse_bookmarks", m_client);
    LV_browse_bookmarks->hide();

    Slider = new QSlider(Qt::Vertical, m_client);
    Slider->setObjectName(QStringLiteral("Slider"));
    Slider->setRange(10, 1000);
    Slider->setValue(100);
    Slider->setSingleStep(10);
    Slider->setPageStep(10);
    Slider->setTickPosition(QSlider::NoTicks);
    Slider->setInvertedAppearance(true); // minimum at the top
    Slider->setInvertedControls(true);
    Slider->setGeometry(TwipsRect(2960, 720, 375, 3075));

    Pic_plus = new QToolButton(m_client);
    Pic_plus->setObjectName(QStringLiteral("Pic_plus"));
    Pic_plus->setAutoRaise(true);
    Pic_plus->setFocusPolicy(Qt::NoFocus);
    Pic_plus->setIcon(CoreIcon(CoreImage::ArrowUp));
    Pic_plus->setIconSize(TwipsSize(225, 225));
    Pic_plus->setGeometry(TwipsRect(3000, 480, 255, 255));

    Pic_min = new QToolButton(m_client);
    Pic_min->setObjectName(QStringLiteral("Pic_min"));
    Pic_min->setAutoRaise(true);
    Pic_min->setFocusPolicy(Qt::NoFocus);
    Pic_min->setIcon(CoreIcon(CoreImage::ArrowDown));
    Pic_min->setIconSize(TwipsSize(225, 225));
    Pic_min->setGeometry(TwipsRect(3000, 3840, 255, 255));

    Pic_grafiek = CreateChartArea(m_client);
    Pic_grafiek->setObjectName(QStringLiteral("Pic_grafiek"));
    Pic_grafiek->setGeometry(TwipsRect(kChartLeft, kChartTop, kChartWidth, kChartHeight));

    setTabOrder(txt_item, LV_browse);
    setTabOrder(LV_browse, LV_browse_bookmarks);
    setTabOrder(LV_browse_bookmarks, Slider);
}

void DL_Core::CreateMenus()
{
    auto addMenu = [this](QMenu* parentMenu, const char* name) {
        QMenu* m = parentMenu ? parentMenu->addMenu(QString()) : menuBar()->addMenu(QString());
        m->setObjectName(QLatin1String(name));
        return m;
    };
    auto addItem = [this](QMenu* m, const char* name, const QKeySequence& shortcut, void (DL_Core::*handler)()) {
        QAction* a = m->addAction(QString());
        a->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty()) {
            a->setShortcut(shortcut);
            a->setShortcutContext(Qt::WindowShortcut);
        }
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto addBar = [](QMenu* m, const char* name) { m->addSeparator()->setObjectName(QLatin1String(name)); };

    QMenu* bestand = addMenu(nullptr, "mnu_bestand");
    addItem(bestand, "mnu_settings", QKeySequence(Qt::CTRL | Qt::Key_S), &DL_Core::mnu_settings_Click);
    addItem(bestand, "mnu_connect", QKeySequence(Qt::CTRL | Qt::Key_C), &DL_Core::mnu_connect_Click);
    addBar(bestand, "mnu_bar_1");
    QMenu* exportMenu = addMenu(bestand, "mnu_export");
    addItem(exportMenu, "mnu_opslaan", {}, &DL_Core::mnu_opslaan_Click);
    addBar(bestand, "mnu_bar_2");
    addItem(bestand, "mnu_exit", QKeySequence(Qt::CTRL | Qt::Key_X), &DL_Core::mnu_exit_Click);

    QMenu* opties = addMenu(nullptr, "mnu_opties");
    addItem(opties, "mnu_toevoegen", QKeySequence(Qt::CTRL | Qt::Key_N), &DL_Core::mnu_toevoegen_Click);
    addItem(opties, "mnu_addlijst", QKeySequence(Qt::CTRL | Qt::Key_B), &DL_Core::mnu_addlijst_Click);
    addBar(opties, "mnu_bar_3");
    addItem(opties, "mnu_del", QKeySequence(Qt::Key_Delete), &DL_Core::mnu_del_Click);

    QMenu* extra = addMenu(nullptr, "mnu_extra");
    addItem(extra, "mnu_reset_taal", {}, &DL_Core::mnu_reset_taal_Click);

    QMenu* info = addMenu(nullptr, "mnu_info");
    addItem(info, "mnu_index", QKeySequence(Qt::Key_F1), &DL_Core::mnu_index_Click);
    addItem(info, "mnu_informatie", {}, &DL_Core::mnu_informatie_Click);
    addBar(info, "mnu_bar_4");
    addItem(info, "mnu_website", {}, &DL_Core::mnu_website_Click);
    addItem(info, "mnu_mvfoodinfo", {}, &DL_Core::mnu_mvfoodinfo_Click);

    // The tray menu is not on the menu bar; the tray icon shows it.
    mnuPopup = new QMenu(this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    addItem(mnuPopup, "mnuShow", {}, &DL_Core::mnuShow_Click);
}

void DL_Core::CreateToolbar()
{
    Toolbar = new QToolBar(m_client);
    Toolbar->setObjectName(QStringLiteral("Toolbar"));
    Toolbar->setMovable(false);
    Toolbar->setFloatable(false);
    Toolbar->setIconSize(QSize(16, 16));
    Toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar->setGeometry(TwipsRect(0, 0, kToolbarWidth, kToolbarHeight));

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
            a = Toolbar->addSeparator();
        } else {
            a = Toolbar->addAction(CoreIcon(buttons[next].image), QString());
            a->setCheckable(buttons[next].checkable);
            ++next;
            connect(a, &QAction::triggered, this, [this, position] { Toolbar_ButtonClick(position); });
        }
        a->setObjectName(QStringLiteral("Toolbar_Button%1").arg(position));
        m_toolbarButtons.append(a);
    }
}

void DL_Core::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
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

QAction* DL_Core::toolbarButton(int position) const
{
    return position >= 1 && position <= m_toolbarButtons.size() ? m_toolbarButtons.at(position - 1) : nullptr;
}

QLabel* DL_Core::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 3 ? m_panels[panel - 1] : nullptr;
}

QAction* DL_Core::menuAction(const QString& name) const
{
    return findChild<QAction*>(name);
}

QMenu* DL_Core::menu(const QString& name) const
{
    return findChild<QMenu*>(name);
}

bool DL_Core::requestRunning() const
{
    return m_checkinCycle->isBusy() || m_searchCycle->isBusy();
}

void DL_Core::setRequestLimits(const net::RequestLimits& limits)
{
    m_checkinCycle->setLimits(limits);
    m_searchCycle->setLimits(limits);
}

void DL_Core::ArrangeMainWindow()
{
    const QRect chart = Pic_grafiek->geometry();
    const int chartLeft = PixelsToTwips(chart.left()) , chartTop = PixelsToTwips(chart.top());
    const int chartWidth = PixelsToTwips(chart.width()), chartHeight = PixelsToTwips(chart.height());

    // The client area ends a small margin right of and below the chart; the
    // menu bar and the status bar come on top of it.
    m_client->setFixedSize(Twips(chartLeft + chartWidth + 60), Twips(chartTop + chartHeight + 90));

    LV_browse->setGeometry(TwipsRect(kListLeft, kListTop, kListWidth, chartHeight));
    LV_browse_bookmarks->setGeometry(LV_browse->geometry());

    QPalette pal = Pic_grafiek->palette();
    pal.setColor(QPalette::Window, QColor(184, 204, 204));
    Pic_grafiek->setPalette(pal);
    Pic_grafiek->setAutoFillBackground(true);

    Pic_zoeken_bw->setGeometry(Pic_zoeken->geometry());

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    FitToFont();
}

void DL_Core::UpdateStatusBar()
{
    m_panels[0]->setText(m_state.ProgramName + QLatin1Char(' ') + m_state.ProgramVersion);
    const QStringList& records = m_state.data.lst_data;
    if (records.isEmpty()) {
        m_panels[1]->setText(m_state.F(7, 17));
    } else {
        m_panels[1]->setText(m_state.F(7, 18) + QString::number(records.size()) + m_state.F(7, 19)
                             + QStringLiteral(" '") + txt_item->text() + QStringLiteral("'."));
    }
    m_panels[2]->setText(QStringLiteral("Quelmar 2005-2006"));

    // Panels 1 and 3 are 1000 and 2000 twips wide, or as wide as their text
    // needs with the desktop's font; panel 2 takes the rest.
    auto fitted = [](QLabel* panel, int twips) {
        const int text = panel->fontMetrics().horizontalAdvance(panel->text()) + 2 * panel->frameWidth() + 8;
        return std::max(Twips(twips), text);
    };
    const int first = fitted(m_panels[0], 1000), third = fitted(m_panels[2], 2000);
    m_panels[0]->setFixedWidth(first);
    m_panels[2]->setFixedWidth(third);
    m_panels[1]->setMinimumWidth(0); // stretches over the rest of the bar
}

void DL_Core::Set_Taal()
{
    const auto text = [this](int index) { return m_state.F(1, index); };
    const struct
    {
        const char* name;
        int slot;
    } menus[] = {{"mnu_bestand", 0}, {"mnu_export", 3}, {"mnu_opties", 6}, {"mnu_info", 10}, {"mnu_extra", 67}};
    const struct
    {
        const char* name;
        int slot;
    } items[] = {{"mnu_settings", 1},    {"mnu_connect", 2},     {"mnu_opslaan", 4},  {"mnu_exit", 5},
                 {"mnu_toevoegen", 7},   {"mnu_addlijst", 8},    {"mnu_del", 9},      {"mnu_informatie", 11},
                 {"mnu_website", 12},    {"mnu_mvfoodinfo", 13}, {"mnuShow", 14},     {"mnu_reset_taal", 68},
                 {"mnu_index", 71}};
    for (const auto& m : menus)
        menu(QLatin1String(m.name))->setTitle(text(m.slot));
    for (const auto& i : items)
        menuAction(QLatin1String(i.name))->setText(text(i.slot));

    const struct
    {
        int position;
        int slot;
    } tips[] = {{2, 16}, {3, 17}, {5, 18}, {6, 19}, {8, 20}, {9, 21}, {11, 22}};
    for (const auto& t : tips)
        toolbarButton(t.position)->setToolTip(text(t.slot));

    Pic_zoeken->setToolTip(text(23));
    Pic_zoeken_bw->setToolTip(text(24));
    txt_item->setToolTip(text(25));
    Pic_plus->setToolTip(text(26));
    Pic_min->setToolTip(text(27));
    ApplyKeyboardAndNames();
}

void DL_Core::FinishStartUp()
{
    Set_Taal();
    net::SelectServer(m_state);
    UpdateStatusBar();
    DrawNutritionChart(540, 540, 1, 1, 1, 1, 1);
    m_state.ViewListMode = QStringLiteral("0");
    Set_ViewList();
    ApplyConnectionState();

    QString& notice = m_state.settings.ShowConnectNotice;
    if (notice.isEmpty())
        notice = QStringLiteral("1");
    if (Val(notice) == 1)
        ShowConnectNotice();

    if (WantsTopmost(m_state.settings.AlwaysOnTop, true))
        SetTopmost(this, true);
}

bool DL_Core::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txt_item && event->type() == QEvent::ShortcutOverride) {
        // The menu shortcuts work in the search box too: Ctrl+C connects and
        // Ctrl+X ends the program instead of copying or cutting text. A key
        // whose command is disabled stays with the box.
        auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        const QList<QAction*> actions = findChildren<QAction*>();
        for (QAction* a : actions) {
            if (!a->shortcut().isEmpty() && a->shortcut() == pressed && a->isEnabled()) {
                event->ignore();
                return true;
            }
        }
    }
    if (watched == txt_item && event->type() == QEvent::KeyPress) {
        // Down from the search box goes on into the shown list, choosing its
        // first row when none is chosen yet, so the results can be read by
        // keyboard right after a search.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down && key->modifiers() == Qt::NoModifier) {
            QTreeWidget* list = LV_browse->isVisible() || !LV_browse_bookmarks->isVisible()
                                    ? LV_browse
                                    : LV_browse_bookmarks;
            if (list->topLevelItemCount() > 0) {
                // Entering the list by focus alone marks its first row
                // without choosing it; what counts is a selected row.
                if (list->selectedItems().isEmpty()) {
                    QTreeWidgetItem* first = list->topLevelItem(0);
                    const bool markedAlready = list->currentItem() == first;
                    list->setCurrentItem(first);
                    if (markedAlready) // no change of row, so nothing chose it yet
                        list == LV_browse ? LV_browse_Click() : LV_browse_bookmarks_Click();
                }
                list->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void DL_Core::Form_Load()
{
    StartupHooks hooks;
    hooks.readBookmarks = [this] { LoadBookmarks(); };
    hooks.arrangeMainWindow = [this] { ArrangeMainWindow(); };
    hooks.firstRunSettingsDialog = [this] { ShowFirstRunSettings(); };
    RunStartup(*this, m_state, m_messenger, hooks);
    FinishStartUp();
}
