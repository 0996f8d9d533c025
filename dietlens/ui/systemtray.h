#pragma once
// The main window's icon in the system tray: closing the window puts the icon
// there and hides the window; a left click (or "Show" in the icon's menu)
// takes the icon away and brings the window back where it was. Where the
// desktop has no tray, the window is minimised instead, so it can always be
// got back.
#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QMenu;
class QSystemTrayIcon;
class QWidget;

class SystemTray : public QObject
{
    Q_OBJECT
public:
    using Availability = std::function<bool()>;

    // `popup` is the icon's right-click menu; `available` tells whether the
    // desktop offers a tray (by default: ask Qt).
    SystemTray(QWidget* window, QMenu* popup, Availability available = {}, QObject* parent = nullptr);
    ~SystemTray() override;

    // Closing the window: to the tray when there is one (true), otherwise
    // the window is minimised (false).
    bool SendToTray();

    void AddToTray();
    void RemoveFromTray();
    void RestoreFromTray();
    // Remove, then restore: the left click and the menu's "Show".
    void ShowFromTray();

    bool isInTray() const { return m_inTray; }
    QSystemTrayIcon* icon() const { return m_icon; }
    QPoint savedPosition() const { return m_savedPosition; }

private:
    QPointer<QWidget> m_window;
    QSystemTrayIcon* m_icon;
    Availability m_available;
    QPoint m_savedPosition;
    bool m_inTray = false;
};
