#include "dietlens/ui/dl_core.h"

#include "dietlens/core/appstate.h"
#include "dietlens/core/numbers.h"
#include "dietlens/core/program.h"
#include "dietlens/display/bookmarks.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/net/connection.h"
#include "dietlens/net/foodsearch.h"
#include "dietlens/net/request.h"
#include "dietlens/ui/coreicons.h"
#include "dietlens/ui/dialogsupport.h"
#include "dietlens/ui/foodlistview.h"
#include "dietlens/ui/mainaccess.h"
#include "dietlens/ui/mainbars.h"
#include "dietlens/ui/maincontrols.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "dietlens/ui/startup.h"
#include "lang/language.h"
#include "widgets/twips.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QToolButton>

DL_Core::DL_Core(AppState& state, Messenger& messenger, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_messenger(messenger), m_problems(state.lang, messenger),
      m_language(new Language(state.lang, this)),
      m_connection(new net::Connection(state.settings, state.hosts, this)),
      m_search(new net::FoodSearch(state.settings, state.paths, state.food, this)),
      m_bookmarks(new Bookmarks(state.paths, state.lang, this))
{
    setObjectName(QStringLiteral("DL_Core"));

    m_connectIcon = CoreIcon(CoreImage::Connect);
    m_disconnectIcon = CoreIcon(CoreImage::Disconnect);
    setWindowIcon(CoreIcon(CoreImage::Program));
    setWindowTitle(ProgramName() + QStringLiteral(" (niet verbonden)"));

    CreateControls();
    m_bars = new MainBars(*this, m_client);
    m_dialogs = new MainDialogs(m_state.settings, m_state.paths, m_state.food, *m_language, m_messenger,
                                *this, m_bars->trayMenu());
    ConnectParts();
    ArrangeMainWindow();
    SetUpKeyboardAndNames(*this, *m_bars, m_c);
}

DL_Core::~DL_Core() = default;

void DL_Core::CreateControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    m_c = MainControls::create(m_client);
    connect(m_c.txt_item, &QLineEdit::returnPressed, this, &DL_Core::Pic_zoeken_Click);
    connect(m_c.Pic_zoeken, &QToolButton::clicked, this, &DL_Core::Pic_zoeken_Click);
}

bool DL_Core::requestRunning() const
{
    return m_connection->isBusy() || m_search->isBusy();
}

void DL_Core::setRequestLimits(const net::RequestLimits& limits)
{
    m_connection->requests().setLimits(limits);
    m_search->requests().setLimits(limits);
}

void DL_Core::setMachineFacts(const net::MachineFacts& facts)
{
    m_connection->setMachineFacts(facts);
}

// The parts behind the window: their signals and the controls the nutrition
// display works with.
void DL_Core::ConnectParts()
{
    const auto waitCursor = [this](net::RequestCycle& requests) {
        connect(&requests, &net::RequestCycle::waitStarted, this,
                [] { QApplication::setOverrideCursor(Qt::WaitCursor); });
        connect(&requests, &net::RequestCycle::waitEnded, this,
                [] { QApplication::restoreOverrideCursor(); });
    };
    waitCursor(m_connection->requests());
    waitCursor(m_search->requests());

    connect(m_connection, &net::Connection::requestStarted, this, [this] { LockForRequest(true); });
    connect(m_connection, &net::Connection::requestEnded, this, [this] { LockForRequest(false); });
    connect(m_connection, &net::Connection::connecting, this, [this] {
        m_bars->statusPanel(2)->setText(m_state.lang.at(text::Main::ConnectingPleaseWait));
        ShowInSearchBox(m_state.lang.at(text::Main::ConnectingPleaseWait));
    });
    connect(m_connection, &net::Connection::stateChanged, this, [this] {
        ApplyConnectionState();
        if (m_connection->isConnected())
            m_c.txt_item->setFocus();
    });
    connect(m_search, &net::FoodSearch::requestStarted, this, [this] {
        LockForRequest(true);
        m_bars->statusPanel(2)->setText(m_state.lang.at(text::Main::BusyWithTheSearchingDatabase));
    });
    connect(m_search, &net::FoodSearch::requestEnded, this, [this] { LockForRequest(false); });
    // What the check-in and the search meet is shown at once, between their steps.
    const auto showProblem = [this](const Problem& problem) { m_problems.show(problem); };
    connect(m_connection, &net::Connection::problemFound, this, showProblem);
    connect(m_search, &net::FoodSearch::problemFound, this, showProblem);

    const MainBars& b = *m_bars;
    const DisplayControls c{m_c.LV_browse,
                            m_c.LV_browse_bookmarks,
                            m_c.Slider,
                            m_c.Pic_plus,
                            m_c.Pic_min,
                            m_c.Pic_grafiek,
                            m_c.txt_item,
                            m_c.Pic_zoeken,
                            m_c.Pic_zoeken_bw,
                            b.menus().mnu_opties,
                            b.commands().mnu_addlijst,
                            b.commands().mnu_toevoegen,
                            b.commands().mnu_del,
                            b.toolbarButton(5),
                            b.toolbarButton(6),
                            b.toolbarButton(8),
                            b.toolbarButton(9)};
    m_display = new NutritionDisplay(m_state.settings, m_state.lang, m_messenger, *m_bookmarks, *m_connection,
                                     c, this);
    connect(m_display, &NutritionDisplay::statusText, this,
            [this](const QString& text) { m_bars->statusPanel(2)->setText(text); });

    // The commands of the menus and the toolbar.
    const MainCommands& m = m_bars->commands();
    const std::pair<QAction*, void (DL_Core::*)()> commands[] = {
        {m.mnu_settings, &DL_Core::mnu_settings_Click},
        {m.mnu_connect, &DL_Core::mnu_connect_Click},
        {m.mnu_exit, &DL_Core::mnu_exit_Click},
        {m.mnu_toevoegen, &DL_Core::mnu_toevoegen_Click},
        {m.mnu_reset_taal, &DL_Core::mnu_reset_taal_Click},
        {m.mnu_index, &DL_Core::mnu_index_Click},
        {m.mnu_informatie, &DL_Core::mnu_informatie_Click},
        {m.mnu_website, &DL_Core::mnu_website_Click},
        {m.mnu_mvfoodinfo, &DL_Core::mnu_mvfoodinfo_Click},
        {m.mnuShow, &DL_Core::mnuShow_Click}};
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
    const std::pair<QAction*, void (NutritionDisplay::*)()> listCommands[] = {
        {m.mnu_addlijst, &NutritionDisplay::mnu_addlijst_Click},
        {m.mnu_del, &NutritionDisplay::mnu_del_Click},
        {m.mnu_opslaan, &NutritionDisplay::mnu_opslaan_Click}};
    for (const auto& [action, handler] : listCommands)
        connect(action, &QAction::triggered, m_display, handler);
    connect(m_bars, &MainBars::toolbarButtonClicked, this, &DL_Core::Toolbar_ButtonClick);

    // What the dialogs ask of the window.
    // A language picked in the settings dialog relabels the main window at once; one loaded at
    // start-up is applied when the start is done, and the reset relabels nothing.
    connect(m_language, &Language::changed, this, [this](LanguageChange why) {
        if (why == LanguageChange::Picked)
            Set_Taal();
    });
    connect(m_dialogs, &MainDialogs::resetRequested, this, &DL_Core::mnu_reset_taal_Click);
    connect(m_dialogs, &MainDialogs::serverChoiceStored, this,
            [this] { net::SelectServer(m_state.settings, m_state.hosts, m_state.food); });
    connect(m_dialogs, &MainDialogs::websiteRequested, this, &DL_Core::mnu_website_Click);
    connect(m_dialogs, &MainDialogs::menuviaSiteRequested, this, &DL_Core::mnu_mvfoodinfo_Click);
}

void DL_Core::ArrangeMainWindow()
{
    const QRect chart = m_c.Pic_grafiek->geometry();
    const int chartLeft = PixelsToTwips(chart.left()), chartTop = PixelsToTwips(chart.top());
    const int chartWidth = PixelsToTwips(chart.width()), chartHeight = PixelsToTwips(chart.height());

    // The client area ends a small margin right of and below the chart; the
    // menu bar and the status bar come on top of it.
    m_client->setFixedSize(Twips(chartLeft + chartWidth + 60), Twips(chartTop + chartHeight + 90));

    using C = MainControls;
    m_c.LV_browse->setGeometry(TwipsRect(C::kListLeft, C::kListTop, C::kListWidth, chartHeight));
    m_c.LV_browse_bookmarks->setGeometry(m_c.LV_browse->geometry());

    QPalette pal = m_c.Pic_grafiek->palette();
    pal.setColor(QPalette::Window, QColor(184, 204, 204));
    m_c.Pic_grafiek->setPalette(pal);
    m_c.Pic_grafiek->setAutoFillBackground(true);

    m_c.Pic_zoeken_bw->setGeometry(m_c.Pic_zoeken->geometry());

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    FitToFont(*this, m_client, m_c);
}

void DL_Core::UpdateStatusBar()
{
    m_bars->UpdateStatusBar(m_state.lang, qsizetype(m_display->results().size()), m_c.txt_item->text());
}

void DL_Core::Set_Taal()
{
    const auto text = [this](TextSlot slot) { return m_state.lang.at(slot); };
    m_bars->Set_Taal(m_state.lang);
    m_c.Pic_zoeken->setToolTip(text(text::Main::ConfirmSearch));
    m_c.Pic_zoeken_bw->setToolTip(text(text::Main::CantSendSearch));
    m_c.txt_item->setToolTip(text(text::Main::EnterTheFoodItemThat));
    m_c.Pic_plus->setToolTip(text(text::Main::WeightOfFoodItem126));
    m_c.Pic_min->setToolTip(text(text::Main::WeightOfFoodItem127));
    ApplyKeyboardAndNames(*this, *m_bars, m_c, m_state.lang);
}

void DL_Core::FinishStartUp()
{
    Set_Taal();
    net::SelectServer(m_state.settings, m_state.hosts, m_state.food);
    UpdateStatusBar();
    m_display->DrawStartChart();
    m_display->setViewListMode(ViewListMode::Results);
    Set_ViewList();
    ApplyConnectionState();

    QString& notice = m_state.settings.ShowConnectNotice;
    if (notice.isEmpty())
        notice = QStringLiteral("1");
    if (Val(notice) == 1)
        m_dialogs->ConnectNotice();

    if (WantsTopmost(m_state.settings.AlwaysOnTop, true))
        SetTopmost(this, true);
}

void DL_Core::LoadBookmarks()
{
    m_display->ReadBookmarksAtStartup();
}

void DL_Core::Set_ViewList()
{
    m_display->Set_ViewList();
}

void DL_Core::ApplyConnectionState()
{
    const std::optional<net::ConnectionLook> look =
        net::ConnectionLookFor(m_connection->state(), m_state.lang);
    if (!look)
        return;
    setWindowTitle(look->caption);
    m_bars->commands().mnu_connect->setText(look->connectMenuText);
    m_bars->toolbarButton(2)->setIcon(look->connected ? m_disconnectIcon : m_connectIcon);
    m_bars->toolbarButton(2)->setToolTip(look->connectToolTip);
    ApplyConnectionControls();
    ShowInSearchBox(look->searchText);
    m_bars->statusPanel(2)->setText(look->statusText);
}

// A state text in the search box reads from its start: where a long
// translation does not fit the box, its end is cut rather than its start
// (the status bar shows it whole at the same time).
void DL_Core::ShowInSearchBox(const QString& text)
{
    m_c.txt_item->setText(text);
    m_c.txt_item->setCursorPosition(0);
}

// The enabled states and the search box look of the connection state,
// without touching any text.
void DL_Core::ApplyConnectionControls()
{
    const float state = m_connection->state();
    if (state != 0 && state != 1)
        return;
    const bool connected = state == 1;
    m_bars->commands().mnu_toevoegen->setEnabled(connected);
    if (!connected) {
        m_bars->commands().mnu_del->setEnabled(false);
        m_bars->commands().mnu_addlijst->setEnabled(false);
        m_bars->toolbarButton(9)->setEnabled(false);
    }
    for (int position : {5, 6, 8})
        m_bars->toolbarButton(position)->setEnabled(connected);
    m_c.SetSearchBoxLook(connected);
}

void DL_Core::Form_Load()
{
    StartupServices services;
    services.firstRunSettingsDialog = [this] { m_dialogs->Settings(); };
    Startup startup(m_state.paths, m_state.settings, m_state.hosts, *m_language, m_messenger,
                    std::move(services));
    connect(&startup, &Startup::bookmarksFileFound, this, &DL_Core::LoadBookmarks);
    connect(&startup, &Startup::mainWindowDue, this, &DL_Core::ArrangeMainWindow);
    startup.run(*this);
    FinishStartUp();
}
