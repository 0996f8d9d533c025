#include "dietlens/ui/maindialogs.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/settings.h"
#include "dietlens/net/request.h"
#include "dietlens/ui/dl_add.h"
#include "dietlens/ui/dl_informatie.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/notices.h"
#include "dietlens/ui/systemtray.h"
#include "lang/language.h"

#include <QApplication>

MainDialogs::MainDialogs(::Settings& settings, const Paths& paths, const FoodServerUrls& food,
                         Language& language, Messenger& messenger, QWidget& window, QMenu* trayMenu)
    : QObject(&window), m_settings(settings), m_paths(paths), m_food(food), m_language(language),
      m_lang(language.tables()), m_messenger(messenger), m_window(window), m_trayMenu(trayMenu)
{
}

void MainDialogs::run(QDialog& dialog)
{
    if (m_runDialog)
        m_runDialog(dialog);
    else
        dialog.exec();
}

void MainDialogs::Settings()
{
    DL_Properties dialog(m_settings, m_paths, m_language, m_messenger, &m_window);
    connect(&dialog, &DL_Properties::resetRequested, this, &MainDialogs::resetRequested);
    connect(&dialog, &DL_Properties::serverChoiceStored, this, &MainDialogs::serverChoiceStored);
    connect(&dialog, &DL_Properties::menuviaSiteRequested, this, &MainDialogs::menuviaSiteRequested);
    run(dialog);
}

void MainDialogs::AddFoodItem(const net::RequestLimits& limits)
{
    // The window has its own transfer, with the wait cursor and the limits of
    // the main window's requests.
    net::RequestCycle cycle;
    cycle.setObjectName(QStringLiteral("Inet1"));
    cycle.setLimits(limits);
    connect(&cycle, &net::RequestCycle::waitStarted, this,
            [] { QApplication::setOverrideCursor(Qt::WaitCursor); });
    connect(&cycle, &net::RequestCycle::waitEnded, this, [] { QApplication::restoreOverrideCursor(); });
    DL_Add dialog(m_settings, m_paths, m_food, m_lang, m_messenger, DL_Add::fetchWith(cycle), &m_window);
    run(dialog);
}

void MainDialogs::Information()
{
    DL_Informatie dialog(m_settings, m_lang, &m_window);
    connect(&dialog, &DL_Informatie::menuviaSiteRequested, this, &MainDialogs::menuviaSiteRequested);
    connect(&dialog, &DL_Informatie::websiteRequested, this, &MainDialogs::websiteRequested);
    run(dialog);
}

void MainDialogs::ConnectNotice()
{
    DL_Connectmelding notice(m_settings, m_paths, m_lang, m_messenger, &m_window);
    run(notice);
}

SystemTray& MainDialogs::tray()
{
    if (!m_tray)
        m_tray = new SystemTray(&m_window, m_trayMenu, m_trayAvailable, this);
    return *m_tray;
}

void MainDialogs::ShowWindow()
{
    if (tray().isInTray()) {
        tray().ShowFromTray();
        return;
    }
    m_window.showNormal();
    m_window.raise();
    m_window.activateWindow();
}

void MainDialogs::CloseToTray()
{
    // Where the desktop has no tray the window is minimised, so it can always
    // be got back; the notice, which speaks of the tray, is then not shown.
    if (!tray().SendToTray())
        return;
    if (Val(m_settings.ShowTrayNotice) != 1)
        return;
    // A notice still open from an earlier closing is brought forward, not doubled.
    if (!m_trayNotice) {
        // Without a parent: the notice stays on screen while the main window is hidden.
        auto* notice = new DL_ToTray(m_settings, m_paths, m_lang, m_messenger);
        notice->setAttribute(Qt::WA_DeleteOnClose);
        connect(&m_window, &QObject::destroyed, notice, [notice] { delete notice; });
        m_trayNotice = notice;
    }
    m_trayNotice->show();
    m_trayNotice->raise();
    m_trayNotice->activateWindow();
}
