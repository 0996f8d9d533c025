#pragma once
// The main window of dietlens: toolbar and search box on top, the results and
// bookmark lists on the left, the weight slider and the chart on the right,
// three status panels below. It lays out the controls, applies the states of
// the connection and the lists, and forwards the commands to the parts that
// carry them out: the connection and the food search (dietlens/net), the
// bookmarks (dietlens/display) and the nutrition display of lists and chart.
//   dl_core.cpp           controls, layout, texts, states, start-up
//   dl_core_commands.cpp  the commands: connect, search, menus, dialogs, tray
// The bars (menus, toolbar, status panels) are MainBars, the dialogs and the
// tray MainDialogs.
#include "dietlens/net/checkin.h"
#include "dietlens/ui/commandlock.h"
#include "dietlens/ui/maincontrols.h"
#include "dietlens/ui/maindialogs.h"
#include "dietlens/ui/problempresenter.h"
#include "dietlens/ui/showhelp.h"

#include <QIcon>
#include <QMainWindow>

#include <functional>

class Language;
class Bookmarks;
class MainBars;
class Messenger;
class NutritionDisplay;
struct AppState;

namespace net {
class Connection;
class FoodSearch;
struct RequestLimits;
} // namespace net

class DL_Core : public QMainWindow
{
    Q_OBJECT
public:
    DL_Core(AppState& state, Messenger& messenger, QWidget* parent = nullptr);
    ~DL_Core() override;

    // --- start-up --------------------------------------------------------
    // Runs the start-up sequence; the window shows itself on the way.
    void Form_Load();
    // The steps after the language file has been loaded: texts, food server,
    // status bar, start chart, not-connected look, connect notice, topmost.
    void FinishStartUp();
    void ArrangeMainWindow();
    void UpdateStatusBar();
    void LoadBookmarks(); // start-up: reads the bookmarks file (called only when it exists)
    void Set_Taal();

    // --- states the window applies -----------------------------------------
    void ApplyConnectionState();
    void Set_ViewList();

    // --- commands (dl_core_commands.cpp) -----------------------------------
    void mnu_connect_Click();
    void Pic_zoeken_Click();
    void SearchFoodItems();
    void mnu_settings_Click();
    void mnu_toevoegen_Click();
    void mnu_informatie_Click();
    void mnu_exit_Click();
    void mnu_index_Click();
    void mnu_website_Click();
    void mnu_mvfoodinfo_Click();
    void mnu_reset_taal_Click();
    void mnuShow_Click();
    void Toolbar_ButtonClick(int position);

    // --- the parts behind the window ---------------------------------------
    net::Connection& connection() { return *m_connection; }
    net::FoodSearch& search() { return *m_search; }
    Bookmarks& bookmarks() { return *m_bookmarks; }
    NutritionDisplay& display() { return *m_display; }
    Language& language() { return *m_language; }
    MainDialogs& dialogs() { return *m_dialogs; }
    SystemTray& tray() { return m_dialogs->tray(); }
    QDialog* trayNotice() const { return m_dialogs->trayNotice(); } // the open tray notice, if any
    // True while a check-in or search request waits for its reply.
    bool requestRunning() const;

    // --- controls: private; every one carries its name (objectName) ----------
    // Icons of toolbar button 2: image 1 (connect) and image 8 (disconnect).
    QIcon connectIcon() const { return m_connectIcon; }
    QIcon disconnectIcon() const { return m_disconnectIcon; }

    // --- outside world, replaceable in tests ---------------------------------
    void setMachineFacts(const net::MachineFacts& facts);
    // What the help command asks of the desktop; the system desktop by default.
    void setHelpDesktop(HelpDesktop* desktop) { m_helpDesktop = desktop ? desktop : &m_systemHelp; }
    // Runs a modal dialog of the main window (exec by default); tests drive the dialog here.
    void setDialogRunner(MainDialogs::DialogRunner runner) { m_dialogs->setDialogRunner(std::move(runner)); }
    // Whether the desktop offers a tray; Qt decides when unset.
    void setTrayAvailability(std::function<bool()> available)
    {
        m_dialogs->setTrayAvailability(std::move(available));
    }
    // Time-out and size cap of every request the window sends, those of the
    // new-food-item window included.
    void setRequestLimits(const net::RequestLimits& limits);

Q_SIGNALS:
    // A web-site command asks for this address to be opened with the desktop.
    void documentRequested(const QString& address);
    // Exit: the window has hidden itself and the program is to end now.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    void ConnectParts();
    // Disables every command that would start another request or change the
    // connection, view or settings while one waits; false restores them from
    // the current state.
    void LockForRequest(bool locked);
    void ApplyConnectionControls();
    void ShowInSearchBox(const QString& text);

    AppState& m_state;
    Messenger& m_messenger;
    ProblemPresenter m_problems;
    // Every change of the language tables goes through here.
    Language* m_language;
    net::Connection* m_connection;
    net::FoodSearch* m_search;
    Bookmarks* m_bookmarks;
    NutritionDisplay* m_display = nullptr;
    MainBars* m_bars = nullptr;
    MainDialogs* m_dialogs = nullptr;
    CommandLock m_lock;

    bool m_exiting = false;
    SystemHelpDesktop m_systemHelp;
    HelpDesktop* m_helpDesktop = &m_systemHelp;

    QIcon m_connectIcon, m_disconnectIcon;

    QWidget* m_client = nullptr;
    MainControls m_c;
};
