// Check-in with the maker's server and the connected / not-connected look.
#include "dietlens/ui/dl_core.h"

#include "dietlens/core/appstate.h"
#include "dietlens/net/checkin.h"
#include "dietlens/net/request.h"
#include "dietlens/ui/searchboxlook.h"
#include "lang/messenger.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

void DL_Core::mnu_connect_Click()
{
    if (requestRunning())
        return;
    if (m_state.ConnectionState == 0) {
        ConnectToServer();
        Set_ViewList();
    } else if (m_state.ConnectionState == 1) {
        txt_item->clear();
        m_state.ConnectionState = 0;
        ApplyConnectionState();
        Set_ViewList();
        ClearResultsList();
    }
}

void DL_Core::ConnectToServer()
{
    const QString title = m_state.ProgramName;
    auto showError101 = [this] {
        m_messenger.message(QStringLiteral("Error #101"),
                            joinLines({m_state.F(1, 39), m_state.F(1, 40), QString(), m_state.F(1, 41)}),
                            MessageIcon::Critical);
    };

    m_state.data.txt_servertxt.clear();
    if (!m_haveFacts) {
        m_facts = net::CollectMachineFacts();
        m_haveFacts = true;
    }
    const QByteArray url = net::BuildCheckinUrl(m_state, m_facts);
    const QUrl parsed = QUrl::fromEncoded(url, QUrl::TolerantMode);
    if (!net::CanStart(parsed)) {
        showError101();
        return;
    }

    LockForRequest(true);
    const net::RequestResult result = m_checkinCycle->get(parsed, [this] {
        statusPanel(2)->setText(m_state.F(1, 75));
        txt_item->setText(m_state.F(1, 75));
    });
    if (result.failure == net::RequestFailure::Abandoned)
        return; // the program is ending
    LockForRequest(false);

    if (result.transferError()) {
        m_messenger.message(QStringLiteral("Error #105"),
                            joinLines({m_state.F(1, 48), m_state.F(1, 49), QString(), m_state.F(1, 50)}),
                            MessageIcon::Critical);
    }
    m_state.data.txt_servertxt = result.body;

    // Whatever happens below, a failed check-in leaves the not-connected look.
    auto restoreNotConnected = [this] {
        if (m_state.ConnectionState == 0)
            ApplyConnectionState();
    };

    if (result.body.isEmpty()) {
        m_messenger.message(title,
                            joinLines({m_state.F(1, 33), m_state.F(1, 34), QString(), m_state.F(1, 35)}),
                            MessageIcon::Exclamation);
        restoreNotConnected();
        return;
    }
    const std::optional<float> required = net::ParseVersionReply(result.body);
    if (!required) {
        showError101();
        restoreNotConnected();
        return;
    }
    if (net::ProgramVersionValue(m_state.ProgramVersion) >= *required) {
        m_state.ConnectionState = 1;
        ApplyConnectionState();
        txt_item->setFocus();
    } else {
        m_messenger.message(title,
                            joinLines({m_state.F(1, 36), m_state.F(1, 37), QString(), m_state.F(1, 38)}),
                            MessageIcon::Information);
        m_state.ConnectionState = 0;
        restoreNotConnected();
    }
}

void DL_Core::ApplyConnectionState()
{
    const float state = m_state.ConnectionState;
    if (state != 0 && state != 1)
        return;
    const bool connected = state == 1;
    setWindowTitle(m_state.ProgramName + QLatin1Char(' ') + m_state.F(7, connected ? 13 : 9));
    menuAction(QStringLiteral("mnu_connect"))->setText(m_state.F(7, connected ? 14 : 10));
    toolbarButton(2)->setIcon(connected ? m_disconnectIcon : m_connectIcon);
    toolbarButton(2)->setToolTip(m_state.F(7, connected ? 15 : 11));
    ApplyConnectionControls();
    txt_item->setText(connected ? QString() : m_state.F(7, 12));
    statusPanel(2)->setText(m_state.F(7, connected ? 16 : 12));
}

// The enabled states and the search box look of the connection state,
// without touching any text.
void DL_Core::ApplyConnectionControls()
{
    const float state = m_state.ConnectionState;
    if (state != 0 && state != 1)
        return;
    const bool connected = state == 1;
    menuAction(QStringLiteral("mnu_toevoegen"))->setEnabled(connected);
    if (!connected) {
        menuAction(QStringLiteral("mnu_del"))->setEnabled(false);
        menuAction(QStringLiteral("mnu_addlijst"))->setEnabled(false);
        toolbarButton(9)->setEnabled(false);
    }
    for (int position : {5, 6, 8})
        toolbarButton(position)->setEnabled(connected);
    SetSearchBoxLook(connected);
}

void DL_Core::SetSearchBoxLook(bool enabled)
{
    txt_item->setEnabled(enabled);
    PaintSearchBox(txt_item, enabled);
    Pic_zoeken->setVisible(enabled);
    Pic_zoeken_bw->setVisible(!enabled);
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

void DL_Core::ClearResultsList()
{
    LV_browse->clear();
    LV_browse->setColumnCount(0);
}
