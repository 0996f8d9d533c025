#pragma once
// One HTTP GET, waited for in a local event loop so the windows keep
// repainting. Whatever goes wrong on the way (refused, unknown host, time-out,
// a redirect to another host, an oversized body) ends as a failed request with
// an empty body; an HTTP error status that comes with a body is a reply.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;

namespace net {

enum class RequestFailure {
    None,
    Transport, // refused, unknown host, connection lost, bad response
    TimedOut,
    Redirected, // redirect to another host, scheme or port
    TooLarge,
    Abandoned, // the wait was ended from outside (the program is quitting)
};

struct RequestResult
{
    QString body; // Windows-1252 decoded reply body; "" after any failure
    RequestFailure failure = RequestFailure::None;
    int httpStatus = 0;   // 0 when no status line arrived
    qint64 byteCount = 0; // bytes of the body as received

    bool failed() const { return failure != RequestFailure::None; }
    // A failure the user should hear about; an abandoned wait is not one.
    bool transferError() const { return failed() && failure != RequestFailure::Abandoned; }
};

struct RequestLimits
{
    int timeoutMs = 20000;
    qint64 maxBodyBytes = 4 * 1024 * 1024;
};

// True when a request for the URL can be sent at all: a valid URL naming a host.
bool CanStart(const QUrl& url);

class RequestCycle : public QObject
{
    Q_OBJECT
public:
    explicit RequestCycle(QObject* parent = nullptr);
    ~RequestCycle() override;

    void setLimits(const RequestLimits& limits) { m_limits = limits; }
    const RequestLimits& limits() const { return m_limits; }

    // Sends GET for an already percent-encoded URL and waits for the whole
    // reply.
    RequestResult get(const QByteArray& encodedUrl);
    RequestResult get(const QUrl& url);

    // True while a request of this cycle is waiting.
    bool isBusy() const { return m_running > 0; }

Q_SIGNALS:
    // A request is under way (or has failed at once), before its wait begins.
    void requestSent();
    // A wait begins and ends (the window shows the wait cursor in between).
    // Nested requests signal once each.
    void waitStarted();
    void waitEnded();

private:
    QNetworkAccessManager* m_manager = nullptr;
    RequestLimits m_limits;
    int m_running = 0;
};

} // namespace net
