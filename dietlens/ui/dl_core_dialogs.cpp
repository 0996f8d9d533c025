// The dialogs the main window opens and the tray.
#include "dietlens/ui/dl_core.h"

#include "dietlens/core/appstate.h"
#include "dietlens/core/numbers.h"
#include "dietlens/net/checkin.h"
#include "dietlens/net/request.h"
#include "dietlens/ui/dialogsupport.h"
#include "dietlens/ui/dl_add.h"
#include "dietlens/ui/dl_informatie.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/noticewindow.h"
#include "dietlens/ui/systemtray.h"

#include <QApplication>

MainWindowHooks DL_Core::dialogHooks()
{
    MainWindowHooks hooks;
    hooks.setTaal = [this] { Set_Taal(); };
    hooks.resetLanguageFiles = [this] { mnu_reset_taal_Click(); };
    hooks.selectServer = [this] { net::SelectServer(m_state); };
    hooks.openWebsite = [this] { mnu_website_Click(); };
    hooks.openMenuviaSite = [this] { mnu_mvfoodinfo_Click(); };
    return hooks;
}

void DL_Core::runDialog(QDialog& dialog)
{
    if (m_runDialog)
        m_runDialog(dialog);
    else
        dialog.exec();
}

void DL_Core::mnu_settings_Click()
{
    DL_Properties dialog(m_state, m_messenger, dialogHooks(), this);
    runDialog(dialog);
}

void DL_Core::mnu_toevoegen_Click()
{
    // The window has its own transfer, with the wait cursor like the others.
    net::RequestCycle cycle;
    cycle.setObjectName(QStringLiteral("Inet1"));
    cycle.setLimits(m_checkinCycle->limits()); // the limits every request of the window has
    cycle.setWaitHooks([] { QApplication::setOverrideCursor(Qt::WaitCursor); },
                       [] { QApplication::restoreOverrideCursor(); });
    DL_Add dialog(m_state, m_messenger, DL_Add::fetchWith(cycle), this);
    runDialog(dialog);
}

void DL_Core::mnu_informatie_Click()
{
    DL_Informatie dialog(m_state, dialogHooks(), this);
    runDialog(dialog);
}

void DL_Core::ShowConnectNotice()
{
    DL_Connectmelding notice(m_state, m_messenger, this);
    runDialog(notice);
}

void DL_Core::ShowFirstRunSettings()
{
    DL_Properties dialog(m_state, m_messenger, dialogHooks(), this);
    runDialog(dialog);
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
        auto* notice = new DL_ToTray(m_state, m_messenger);
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
