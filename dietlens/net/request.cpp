#include "dietlens/net/request.h"

#include "files/cp1252.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>

namespace net {
namespace {

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0 &&
           a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(a.scheme() == QLatin1String("https") ? 443 : 80) ==
               b.port(b.scheme() == QLatin1String("https") ? 443 : 80);
}

} // namespace

RequestCycle::RequestCycle(QObject* parent) : QObject(parent) {}

RequestCycle::~RequestCycle() = default;

bool CanStart(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty();
}

RequestResult RequestCycle::get(const QByteArray& encodedUrl)
{
    return get(QUrl::fromEncoded(encodedUrl, QUrl::TolerantMode));
}

RequestResult RequestCycle::get(const QUrl& url)
{
    RequestResult result;
    if (!CanStart(url)) {
        result.failure = RequestFailure::Transport;
        Q_EMIT requestSent();
        return result;
    }

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);

    // Made on first use: most runs of the program never send a request.
    if (!m_manager)
        m_manager = new QNetworkAccessManager(this);
    QPointer<QNetworkReply> reply = m_manager->get(request);
    QByteArray body;
    RequestFailure failure = RequestFailure::None;
    const qint64 cap = m_limits.maxBodyBytes;

    auto fail = [&](RequestFailure why) {
        if (failure == RequestFailure::None)
            failure = why;
        if (reply && reply->isRunning())
            reply->abort();
    };
    auto take = [&] {
        if (!reply || failure != RequestFailure::None)
            return;
        if (body.size() + reply->bytesAvailable() > cap) {
            fail(RequestFailure::TooLarge);
            return;
        }
        body += reply->readAll();
    };

    QObject::connect(reply, &QNetworkReply::redirected, reply, [&](const QUrl& target) {
        if (sameOrigin(url, url.resolved(target)))
            Q_EMIT reply->redirectAllowed();
        else
            fail(RequestFailure::Redirected);
    });
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > cap)
            fail(RequestFailure::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, take);

    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] { fail(RequestFailure::TimedOut); });

    Q_EMIT requestSent();

    ++m_running;
    Q_EMIT waitStarted();
    if (reply && !reply->isFinished()) {
        timer.start(m_limits.timeoutMs);
        loop.exec();
    }
    timer.stop();
    Q_EMIT waitEnded();
    --m_running;

    if (!reply) {
        result.failure = RequestFailure::Abandoned;
        return result;
    }
    if (!reply->isFinished()) {
        // The loop was ended from outside, e.g. by the program quitting.
        reply->disconnect();
        reply->abort();
        reply->deleteLater();
        result.failure = RequestFailure::Abandoned;
        return result;
    }
    take();
    reply->disconnect();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.httpStatus = status.isValid() ? status.toInt() : 0;
    const QNetworkReply::NetworkError error = reply->error();
    // A body that stopped short of its announced length is cut off, whatever Qt
    // says: when the close arrives together with the last bytes, Qt sometimes
    // finishes such a reply without an error. A body Qt unpacked (gzip,
    // deflate) has another length than the packed one announced, so it is not
    // compared; Qt drops that header then, and the encoding check makes sure.
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool cutShort = announced.isValid() && reply->rawHeader("Content-Encoding").isEmpty() &&
                          body.size() < announced.toLongLong();
    reply->deleteLater();

    if (failure == RequestFailure::None && error == QNetworkReply::NoError && cutShort)
        failure = RequestFailure::Transport;

    if (failure == RequestFailure::None && error != QNetworkReply::NoError) {
        // Errors below 200 are network and proxy failures. The others count
        // as replies only when they stand for an HTTP error status that
        // arrived (404, 500, ...); with a success status they mean the body
        // could not be read, e.g. a content encoding that does not decode.
        if (int(error) < 200 || !status.isValid() || status.toInt() < 400)
            failure = RequestFailure::Transport;
    }
    // A redirect still standing at the end (a loop) or an interim status is
    // no reply.
    if (failure == RequestFailure::None && (result.httpStatus / 100 == 1 || result.httpStatus / 100 == 3))
        failure = result.httpStatus / 100 == 3 ? RequestFailure::Redirected : RequestFailure::Transport;
    result.failure = failure;
    if (failure == RequestFailure::None) {
        result.byteCount = body.size();
        result.body = cp1252::decode(body);
    }
    return result;
}

} // namespace net
