#pragma once
// The main window of dietlens: toolbar and search box on top, the results and
// bookmark lists on the left, the weight slider and the chart on the right,
// three status panels below. Its code is split by topic:
//   dl_core.cpp          controls, layout, status bar, language, start-up
//   dl_core_connect.cpp  check-in and the connection state
//   dl_core_search.cpp   food search and the results list
//   dl_core_menus.cpp    menu and toolbar commands, help, web site, closing
//   dl_core_lists.cpp    chart, slider, list choice, bookmarks and export
//   dl_core_dialogs.cpp  the dialogs and the tray
//   dl_core_access.cpp   keyboard, accessible names, fitting a larger font
#include "dietlens/net/checkin.h"
#include "dietlens/net/request.h"
#include "dietlens/ui/showhelp.h"

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QPointer>

#include <functional>

struct AppState;
class Messenger;
class NutritionDisplay;
class QAction;
class QDialog;
class SystemTray;
struct MainWindowHooks;
class QLabel;
class QLineEdit;
class QMenu;
class QSlider;
class QToolBar;
class QToolButton;
class QTreeWidget;

namespace net {
class RequestCycle;
}

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

    // --- language --------------------------------------------------------
    void Set_Taal();

    // --- connection (dl_core_connect.cpp) ----------------------------------
    void mnu_connect_Click();
    void ConnectToServer();
    void ApplyConnectionState();

    // --- search (dl_core_search.cpp) ---------------------------------------
    void Pic_zoeken_Click();
    void SearchFoodItems();
    void ShowSearchResults();

    // --- lists, chart, slider, bookmarks (dl_core_lists.cpp) ---------------
    void Set_ViewList();
    void Fill_BookmarkList();
    void LoadBookmarks(); // start-up: reads the bookmarks file (called only when it exists)
    void DrawNutritionChart(float energyKJ, float energyKcal, float unsaturatedFat, float saturatedFat,
                            float carbohydrates, float protein, float sodium);
    void LV_browse_Click();
    void LV_browse_bookmarks_Click();
    void Slider_Scroll();
    void Pic_plus_Click();
    void Pic_min_Click();
    void mnu_addlijst_Click();
    void mnu_del_Click();
    void mnu_opslaan_Click();

    // --- dialogs and tray (dl_core_dialogs.cpp) ----------------------------
    void mnu_settings_Click();
    void mnu_toevoegen_Click();
    void mnu_informatie_Click();
    void mnuShow_Click();
    void ShowConnectNotice(); // the connect-first notice of start-up
    void ShowFirstRunSettings(); // the settings dialog after the first-run message
    void CloseToTray();       // the close box: to the tray, or minimised where there is none
    SystemTray& tray();
    QDialog* trayNotice() const; // the open tray notice, if any
    // Runs a modal dialog of the main window (exec by default); tests drive the dialog here.
    using DialogRunner = std::function<void(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // Whether the desktop offers a tray; Qt decides when unset.
    void setTrayAvailability(std::function<bool()> available) { m_trayAvailable = std::move(available); }

    // --- shell (dl_core_menus.cpp) -----------------------------------------
    void mnu_exit_Click();
    void mnu_index_Click();
    void mnu_website_Click();
    void mnu_mvfoodinfo_Click();
    void mnu_reset_taal_Click();
    void Toolbar_ButtonClick(int position);

    // --- controls ------------------------------------------------------------
    // Toolbar positions 1 to 11; 1, 4, 7 and 10 are separators.
    QAction* toolbarButton(int position) const;
    QLabel* statusPanel(int panel) const; // 1 to 3
    QAction* menuAction(const QString& name) const;
    QMenu* menu(const QString& name) const;

    QToolBar* Toolbar = nullptr;
    QLineEdit* txt_item = nullptr;
    QToolButton* Pic_zoeken = nullptr;
    QLabel* Pic_zoeken_bw = nullptr;
    QTreeWidget* LV_browse = nullptr;
    QTreeWidget* LV_browse_bookmarks = nullptr;
    QSlider* Slider = nullptr;
    QToolButton* Pic_plus = nullptr;
    QToolButton* Pic_min = nullptr;
    QWidget* Pic_grafiek = nullptr;
    QMenu* mnuPopup = nullptr;

    // Icons of toolbar button 2: image 1 (connect) and image 8 (disconnect).
    QIcon connectIcon() const { return m_connectIcon; }
    QIcon disconnectIcon() const { return m_disconnectIcon; }
    // Row icons of the results list: image 1 green (checked), image 2 red.
    QIcon checkedIcon() const { return m_checkedIcon; }
    QIcon uncheckedIcon() const { return m_uncheckedIcon; }

    // --- outside world, replaceable in tests ---------------------------------
    void setMachineFacts(const net::MachineFacts& facts) { m_facts = facts; m_haveFacts = true; }
    // What the help command asks of the desktop; the system desktop by default.
    void setHelpDesktop(HelpDesktop* desktop) { m_helpDesktop = desktop ? desktop : &m_systemHelp; }
    // Opens a web address with the desktop (the web-site commands).
    void setDocumentOpener(std::function<void(const QString&)> opener) { m_openDocument = std::move(opener); }
    // Ends the program (Exit); production quits the application at once.
    void setProgramEnder(std::function<void()> ender) { m_endProgram = std::move(ender); }
    net::RequestCycle& checkinRequests() { return *m_checkinCycle; }
    net::RequestCycle& searchRequests() { return *m_searchCycle; }
    // Time-out and size cap of every request the window sends, those of the
    // new-food-item window included.
    void setRequestLimits(const net::RequestLimits& limits);

    // True while a check-in or search request waits for its reply.
    bool requestRunning() const;

    // At most this many characters of a text from a server go into a list
    // row or the status bar; a real food name has a few dozen, and laying out
    // one of megabytes held the window for seconds on every repaint.
    static constexpr qsizetype kMaxShownText = 1000;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void CreateToolbar();
    void CreateStatusBar();
    // dl_core_access.cpp: shortcuts, tab order and names once; the parts
    // that come from the language texts each time Set_Taal runs; the layout
    // grown for the desktop's font after ArrangeMainWindow.
    void SetUpKeyboardAndNames();
    void ApplyKeyboardAndNames();
    void FitToFont();
    QWidget* CreateChartArea(QWidget* parent);  // dl_core_lists.cpp
    void ConnectDisplayControls();              // dl_core_lists.cpp
    void SetSearchBoxLocked(bool locked);
    void SetSearchBoxLook(bool enabled);
    // Disables every command that would start another request or change the
    // connection, view or settings while one waits; false restores them from
    // the current state.
    void LockForRequest(bool locked);
    void ApplyConnectionControls();
    void ClearResultsList();
    void OpenDocument(const QString& document);

    AppState& m_state;
    Messenger& m_messenger;
    net::RequestCycle* m_checkinCycle;
    net::RequestCycle* m_searchCycle;
    net::MachineFacts m_facts;
    bool m_haveFacts = false;
    bool m_exiting = false;
    MainWindowHooks dialogHooks();
    void runDialog(QDialog& dialog);
    DialogRunner m_runDialog;
    std::function<bool()> m_trayAvailable;
    SystemTray* m_tray = nullptr;
    QPointer<QDialog> m_trayNotice;
    std::function<void(const QString&)> m_openDocument;
    SystemHelpDesktop m_systemHelp;
    HelpDesktop* m_helpDesktop = &m_systemHelp;
    std::function<void()> m_endProgram;

    NutritionDisplay* m_display = nullptr; // chart, slider, lists and bookmarks (dl_core_lists.cpp)
    QList<QAction*> m_toolbarButtons; // index 0 = position 1
    QList<QPair<QAction*, bool>> m_lockedStates; // commands disabled while a request waits
    int m_lockDepth = 0;
    QPointer<QWidget> m_focusBeforeLock;
    QLabel* m_panels[3] = {nullptr, nullptr, nullptr};
    QWidget* m_client = nullptr;
    QIcon m_connectIcon, m_disconnectIcon, m_checkedIcon, m_uncheckedIcon;
};
