#pragma once
// Commands held disabled while a request waits. Each command's enabled state
// is kept and given back when the outermost of nested locks ends, and the
// focus returns to where it was.
#include <QList>
#include <QPair>
#include <QPointer>

class QAction;
class QWidget;

class CommandLock
{
public:
    // Disables the commands; true for the outermost lock.
    bool lock(const QList<QAction*>& commands);
    // True when the outermost lock ended and the commands are as they were.
    bool unlock();
    // The focus back to the widget that had it when the lock began.
    void restoreFocus();

private:
    QList<QPair<QAction*, bool>> m_states;
    int m_depth = 0;
    QPointer<QWidget> m_focus;
};
