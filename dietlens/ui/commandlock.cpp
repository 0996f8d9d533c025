#include "dietlens/ui/commandlock.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

bool CommandLock::lock(const QList<QAction*>& commands)
{
    if (m_depth++ > 0)
        return false;
    m_focus = QApplication::focusWidget();
    m_states.clear();
    for (QAction* action : commands) {
        m_states.append({action, action->isEnabled()});
        action->setEnabled(false);
    }
    return true;
}

bool CommandLock::unlock()
{
    if (m_depth == 0 || --m_depth > 0)
        return false;
    for (const auto& [action, wasEnabled] : m_states)
        action->setEnabled(wasEnabled);
    m_states.clear();
    return true;
}

void CommandLock::restoreFocus()
{
    if (m_focus && m_focus->isEnabled() && m_focus->isVisible())
        m_focus->setFocus();
    m_focus = nullptr;
}
