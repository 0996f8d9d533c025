#pragma once
// The connection with the maker's server: the check-in with its version
// gate, the connected / not-connected state, and the look the main window
// takes in each state.
#include "dietlens/core/problem.h"
#include "dietlens/net/checkin.h"

#include <QObject>
#include <QString>

#include <optional>

class LanguageTables;
struct ServerHosts;
struct Settings;

namespace net {

class RequestCycle;

// What the main window shows in a connection state (ApplyConnectionState).
struct ConnectionLook
{
    bool connected = false;  // also: add-item commands enabled, toolbar button 2's image
    QString caption;         // window caption
    QString connectMenuText; // mnu_connect
    QString connectToolTip;  // toolbar button 2
    QString searchText;      // txt_item
    QString statusText;      // status panel 2
};

// The look of a ConnectionState; none for anything but exactly 0 or 1.
std::optional<ConnectionLook> ConnectionLookFor(float connectionState, const LanguageTables& lang);

class Connection : public QObject
{
    Q_OBJECT
public:
    Connection(const Settings& settings, const ServerHosts& hosts, QObject* parent = nullptr);

    // ConnectionState: 0 not connected, 1 connected. Any other value is kept
    // and changes nothing.
    float state() const { return m_state; }
    void setState(float state);
    bool isConnected() const { return m_state == 1.0f; }

    // The check-in: connected when the server's version is not above the
    // program's; every failure reports its problem and leaves the state.
    void ConnectToServer();
    // Disconnecting sends nothing.
    void Disconnect();

    // The facts the check-in reports; collected from the system when unset.
    void setMachineFacts(const MachineFacts& facts);

    RequestCycle& requests() { return *m_requests; }
    bool isBusy() const;

Q_SIGNALS:
    // A check-in request is about to be sent / has come back (or failed).
    void requestStarted();
    void requestEnded();
    // The request is under way; the window shows F01_lng_(75) while it waits.
    void connecting();
    // The state was set: the window shows it (again).
    void stateChanged();
    // The check-in met a problem; the window shows it before the check-in
    // goes on.
    void problemFound(const Problem& problem);

private:
    const Settings& m_settings;
    const ServerHosts& m_hosts;
    RequestCycle* m_requests;
    MachineFacts m_facts;
    bool m_haveFacts = false;
    float m_state = 0.0f;
};

} // namespace net
