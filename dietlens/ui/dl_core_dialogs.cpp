// The dialogs the main window opens and the tray.
#include "dl_core.h"

#include "appstate.h"

#include <QSystemTrayIcon>

void DL_Core::mnu_settings_Click() {}

void DL_Core::mnu_toevoegen_Click() {}

void DL_Core::mnu_informatie_Click() {}

void DL_Core::ShowConnectNotice() {}

void DL_Core::ShowFirstRunSettings() {}

void DL_Core::mnuShow_Click()
{
    showNormal();
    raise();
    activateWindow();
}

void DL_Core::CloseToTray()
{
    // Where the desktop has no tray the window is minimised, so it can
    // always be got back.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        showMinimized();
}
