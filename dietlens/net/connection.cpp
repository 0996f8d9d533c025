#include "dietlens/net/connection.h"

#include "dietlens/core/program.h"
#include "dietlens/lang/text/functions.h"
#include "dietlens/net/request.h"
#include "lang/languagetables.h"

#include <QUrl>

namespace net {

std::optional<ConnectionLook> ConnectionLookFor(float connectionState, const LanguageTables& lang)
{
    if (connectionState != 0 && connectionState != 1)
        return std::nullopt;
    const bool connected = connectionState == 1;
    ConnectionLook look;
    look.connected = connected;
    namespace F = text::Functions;
    look.caption = ProgramName() + QLatin1Char(' ') + lang.at(connected ? F::Connected : F::NotConnected);
    look.connectMenuText = lang.at(connected ? F::DisconnectFromServer : F::MakeAConnectionWithThe10);
    look.connectToolTip = lang.at(connected ? F::Disconnect : F::ConnectToServer);
    look.searchText = connected ? QString() : lang.at(text::Functions::MakeAConnectionWithThe12);
    look.statusText = lang.at(connected ? F::ConnectedToServer : F::MakeAConnectionWithThe12);
    return look;
}

Connection::Connection(const Settings& settings, const ServerHosts& hosts, QObject* parent)
    : QObject(parent), m_settings(settings), m_hosts(hosts), m_requests(new RequestCycle(this))
{
    m_requests->setObjectName(QStringLiteral("Inet2"));
    // The check-in is this cycle's only request.
    connect(m_requests, &RequestCycle::requestSent, this, &Connection::connecting);
}

void Connection::setState(float state)
{
    m_state = state;
    Q_EMIT stateChanged();
}

void Connection::setMachineFacts(const MachineFacts& facts)
{
    m_facts = facts;
    m_haveFacts = true;
}

bool Connection::isBusy() const
{
    return m_requests->isBusy();
}

void Connection::Disconnect()
{
    setState(0.0f);
}

void Connection::ConnectToServer()
{
    const auto report = [this](ProblemKind kind) { Q_EMIT problemFound({kind, QString()}); };

    if (!m_haveFacts)
        setMachineFacts(CollectMachineFacts());
    const QUrl url = QUrl::fromEncoded(BuildCheckinUrl(m_settings, m_hosts, m_facts), QUrl::TolerantMode);
    if (!CanStart(url)) {
        report(ProblemKind::CheckinNotPossible);
        return;
    }

    Q_EMIT requestStarted();
    const RequestResult result = m_requests->get(url);
    if (result.failure == RequestFailure::Abandoned)
        return; // the program is ending
    Q_EMIT requestEnded();

    if (result.transferError())
        report(ProblemKind::CheckinTransferFailed);
    // Whatever happens below, a failed check-in shows the not-connected look again.
    auto restoreNotConnected = [this] {
        if (m_state == 0)
            Q_EMIT stateChanged();
    };
    if (result.body.isEmpty()) {
        report(ProblemKind::ServerDidNotRespond);
        restoreNotConnected();
        return;
    }
    const std::optional<float> required = ParseVersionReply(result.body);
    if (!required) {
        report(ProblemKind::CheckinNotPossible);
        restoreNotConnected();
        return;
    }
    if (ProgramVersionValue(ProgramVersion()) >= *required) {
        setState(1.0f);
        return;
    }
    report(ProblemKind::NewerVersionRequired);
    m_state = 0.0f;
    restoreNotConnected();
}

} // namespace net
