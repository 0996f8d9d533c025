#include "dietlens/ui/systemtray.h"

#include "widgets/programicon.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>
#include <QWindow>

SystemTray::SystemTray(QWidget* window, QMenu* popup, Availability available, QObject* parent)
    : QObject(parent), m_window(window), m_icon(new QSystemTrayIcon(this)), m_available(std::move(available))
{
    if (!m_available)
        m_available = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    if (popup)
        m_icon->setContextMenu(popup);
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        // A double click arrives as a click and then a double click: the
        // click has already brought the window back, so the rest is ignored.
        if ((reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) && m_inTray)
            ShowFromTray();
    });
}

SystemTray::~SystemTray()
{
    m_icon->hide();
}

bool SystemTray::SendToTray()
{
    if (m_available()) {
        AddToTray();
        return true;
    }
    if (m_window)
        m_window->showMinimized();
    return false;
}

void SystemTray::AddToTray()
{
    if (!m_window)
        return;
    // The tip is the caption of this moment, for instance with the connection state.
    m_icon->setToolTip(m_window->windowTitle());
    m_icon->setIcon(ProgramIcon(QStringLiteral("dietlens-tray")));
    m_icon->show();
    m_inTray = true;
    m_savedPosition = m_window->pos();
    m_window->hide();
}

void SystemTray::RemoveFromTray()
{
    m_icon->hide();
    m_inTray = false;
}

void SystemTray::RestoreFromTray()
{
    if (!m_window)
        return;
    // The position is given to the native window as a requested one, so the
    // window manager does not place the window again by its own rules.
    if (QWindow* native = m_window->windowHandle())
        native->setFramePosition(m_savedPosition);
    m_window->move(m_savedPosition);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void SystemTray::ShowFromTray()
{
    RemoveFromTray();
    RestoreFromTray();
}
