#include "dl_core.h"

#include "appstate.h"
#include "messenger.h"
#include "startup.h"

DL_Core::DL_Core(AppState& state, Messenger& messenger, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_messenger(messenger)
{
    setObjectName(QStringLiteral("DL_Core"));
}

void DL_Core::Form_Load()
{
    StartupHooks hooks;
    RunStartup(*this, m_state, m_messenger, hooks);
}
