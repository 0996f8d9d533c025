// The commands of the main window: connecting, searching, the menus and the
// toolbar, the dialogs, the tray and closing.
#include "dietlens/core/appstate.h"
#include "dietlens/core/numbers.h"
#include "dietlens/display/bookmarkbuffer.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/net/connection.h"
#include "dietlens/net/foodsearch.h"
#include "dietlens/net/request.h"
#include "dietlens/ui/dl_add.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/dl_informatie.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/kit/openwith.h"
#include "dietlens/ui/noticewindow.h"
#include "dietlens/ui/nutritiondisplay.h"
#include "dietlens/ui/systemtray.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>

void DL_Core::mnu_connect_Click()
{
    if (requestRunning())
        return;
    if (m_connection->state() == 0) {
        m_connection->ConnectToServer();
        Set_ViewList();
    } else if (m_connection->state() == 1) {
        txt_item->clear();
        m_connection->Disconnect();
        Set_ViewList();
        m_display->ClearResultsList(); // the records stay
    }
}

void DL_Core::LockForRequest(bool locked)
{
    static const char* const commands[] = {"mnu_connect", "mnu_settings", "mnu_toevoegen", "mnu_addlijst",
                                           "mnu_del",     "mnu_opslaan",  "mnu_reset_taal"};
    if (locked) {
        if (m_lockDepth++ > 0)
            return;
        m_focusBeforeLock = QApplication::focusWidget();
        m_lockedStates.clear();
        for (const char* name : commands)
            m_lockedStates.append({menuAction(QLatin1String(name)), false});
        for (int position : {2, 3, 5, 6, 8, 9})
            m_lockedStates.append({toolbarButton(position), false});
        for (auto& [action, wasEnabled] : m_lockedStates) {
            wasEnabled = action->isEnabled();
            action->setEnabled(false);
        }
        SetSearchBoxLook(false);
        return;
    }
    if (m_lockDepth == 0 || --m_lockDepth > 0)
        return;
    // Back to what the commands were, then the connection state and the list
    // view decide again about everything they govern.
    for (const auto& [action, wasEnabled] : m_lockedStates)
        action->setEnabled(wasEnabled);
    m_lockedStates.clear();
    ApplyConnectionControls();
    Set_ViewList();
    // Disabling the search box moved the focus away; give it back.
    if (m_focusBeforeLock && m_focusBeforeLock->isEnabled() && m_focusBeforeLock->isVisible())
        m_focusBeforeLock->setFocus();
    m_focusBeforeLock = nullptr;
}

void DL_Core::Pic_zoeken_Click()
{
    if (requestRunning())
        return;
    if (m_search->SearchAllowed(txt_item->text(), Val(m_display->viewListMode()) == 1))
        SearchFoodItems();
}

void DL_Core::SearchFoodItems()
{
    m_display->ClearResults();
    const std::optional<QStringList> records = m_search->SearchFoodItems(txt_item->text());
    if (!records)
        return;
    if (!records->isEmpty())
        m_display->ShowSearchResults(*records);
    UpdateStatusBar();
}

void DL_Core::LV_browse_Click()
{
    m_display->LV_browse_Click();
}

void DL_Core::Toolbar_ButtonClick(int position)
{
    switch (position) {
    case 2: mnu_connect_Click(); break;
    case 3: mnu_settings_Click(); break;
    case 5: m_display->Toolbar_ResultsList(); break;
    case 6: m_display->Toolbar_BookmarkList(); break;
    case 8: mnu_toevoegen_Click(); break;
    case 9: m_display->mnu_addlijst_Click(); break;
    case 11: mnu_index_Click(); break;
    default: break;
    }
}

void DL_Core::mnu_exit_Click()
{
    m_exiting = true;
    hide();
    if (m_endProgram)
        m_endProgram();
}

void DL_Core::mnu_index_Click()
{
    ShowHelp(this, m_state.paths.ProgramFolder, *m_helpDesktop);
}

void DL_Core::mnu_website_Click()
{
    const QString address = m_state.lang.at(1, 58);
    if (!address.trimmed().isEmpty())
        OpenDocument(address);
}

void DL_Core::mnu_mvfoodinfo_Click()
{
    mnu_website_Click();
}

void DL_Core::mnu_reset_taal_Click()
{
    ResetLanguageFiles(m_state.paths.LanguageFolder, m_state.settings.LanguageFile, m_state.hosts, m_state.lang,
                       m_messenger);
}

void DL_Core::OpenDocument(const QString& document)
{
    if (m_openDocument) {
        m_openDocument(document);
        return;
    }
    // Failures are silent.
    OpenDialog(document, OpenWithLauncher::desktop(), this);
}

void DL_Core::runDialog(QDialog& dialog)
{
    if (m_runDialog)
        m_runDialog(dialog);
    else
        dialog.exec();
}

// What the settings dialog asks of the main window.
void DL_Core::connectDialog(QDialog& dialog)
{
    if (auto* settings = qobject_cast<DL_Properties*>(&dialog)) {
        connect(settings, &DL_Properties::languagePreviewed, this, &DL_Core::Set_Taal);
        connect(settings, &DL_Properties::resetRequested, this, &DL_Core::mnu_reset_taal_Click);
        connect(settings, &DL_Properties::serverChoiceStored, this,
                [this] { net::SelectServer(m_state.settings, m_state.hosts, m_state.food); });
        connect(settings, &DL_Properties::menuviaSiteRequested, this, &DL_Core::mnu_mvfoodinfo_Click);
    } else if (auto* info = qobject_cast<DL_Informatie*>(&dialog)) {
        connect(info, &DL_Informatie::menuviaSiteRequested, this, &DL_Core::mnu_mvfoodinfo_Click);
        connect(info, &DL_Informatie::websiteRequested, this, &DL_Core::mnu_website_Click);
    }
}

void DL_Core::mnu_settings_Click()
{
    DL_Properties dialog(m_state.settings, m_state.paths, m_state.lang, m_messenger, this);
    connectDialog(dialog);
    runDialog(dialog);
}

void DL_Core::ShowFirstRunSettings()
{
    mnu_settings_Click();
}

void DL_Core::mnu_toevoegen_Click()
{
    // The window has its own transfer, with the wait cursor and the limits of
    // the main window's requests.
    net::RequestCycle cycle;
    cycle.setObjectName(QStringLiteral("Inet1"));
    cycle.setLimits(m_connection->requests().limits());
    connect(&cycle, &net::RequestCycle::waitStarted, this, [] { QApplication::setOverrideCursor(Qt::WaitCursor); });
    connect(&cycle, &net::RequestCycle::waitEnded, this, [] { QApplication::restoreOverrideCursor(); });
    DL_Add dialog(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger, DL_Add::fetchWith(cycle),
                  this);
    runDialog(dialog);
}

void DL_Core::mnu_informatie_Click()
{
    DL_Informatie dialog(m_state.settings, m_state.lang, this);
    connectDialog(dialog);
    runDialog(dialog);
}

void DL_Core::ShowConnectNotice()
{
    DL_Connectmelding notice(m_state.settings, m_state.paths, m_state.lang, m_messenger, this);
    runDialog(notice);
}

SystemTray& DL_Core::tray()
{
    if (!m_tray)
        m_tray = new SystemTray(this, mnuPopup, m_trayAvailable, this);
    return *m_tray;
}

void DL_Core::mnuShow_Click()
{
    if (tray().isInTray()) {
        tray().ShowFromTray();
        return;
    }
    showNormal();
    raise();
    activateWindow();
}

void DL_Core::CloseToTray()
{
    // Where the desktop has no tray the window is minimised, so it can always
    // be got back; the notice, which speaks of the tray, is then not shown.
    if (!tray().SendToTray())
        return;
    if (Val(m_state.settings.ShowTrayNotice) != 1)
        return;
    // A notice still open from an earlier closing is brought forward, not doubled.
    if (!m_trayNotice) {
        // Without a parent: the notice stays on screen while the main window is hidden.
        auto* notice = new DL_ToTray(m_state.settings, m_state.paths, m_state.lang, m_messenger);
        notice->setAttribute(Qt::WA_DeleteOnClose);
        connect(this, &QObject::destroyed, notice, [notice] { delete notice; });
        m_trayNotice = notice;
    }
    m_trayNotice->show();
    m_trayNotice->raise();
    m_trayNotice->activateWindow();
}

QDialog* DL_Core::trayNotice() const
{
    return m_trayNotice;
}

void DL_Core::closeEvent(QCloseEvent* event)
{
    if (m_exiting || !event->spontaneous()) {
        event->accept();
        return;
    }
    // The close box keeps the program running.
    event->ignore();
    CloseToTray();
}
