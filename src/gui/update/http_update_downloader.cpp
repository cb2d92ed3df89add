// One bounded HTTP read of the update file, run in a local event loop.
#include "update/http_update_downloader.h"

#include "document/wait_cursor.h"

#include <QCursor>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace
{
using Status = CUpdateDownload::Status;

// Qt holds at most this much of the body before we take it, so an endless body costs no more
// memory than the limit and one chunk.
constexpr qint64 ReadChunkBytes = 16 * 1024;

// What one request to one URL came to.
struct CAttempt
{
    enum class Outcome
    {
        NoAnswer, // nothing came back in time: worth another try
        Broken,   // the server answered, but the body broke a limit or was cut off
        Complete, // a status, and the whole body
    };
    Outcome outcome = Outcome::NoAnswer;
    int status = 0;
    QUrl redirect;
    QByteArray body;
};

QNetworkRequest UpdateFileRequest(const QUrl& url)
{
    QNetworkRequest request(url);
    // Never an old copy: the manager has no cache, and proxies on the way are told so too.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Each redirect is checked here before it is followed.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // The size limit counts the bytes as they arrive, so nothing is inflated behind its back.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setRawHeader("Connection", "close");
    return request;
}

bool HasStatus(const QNetworkReply& reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

std::chrono::milliseconds Remaining(const QDeadlineTimer& deadline)
{
    return std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 0));
}

// What a reply came to once the wait for it is over.
CAttempt Judge(const QNetworkReply& reply, QByteArray body, bool finished, bool tooLarge)
{
    CAttempt attempt;
    if (!HasStatus(reply)) {
        return attempt; // no answer
    }
    attempt.status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    attempt.redirect = reply.attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl();
    const bool success = attempt.status >= 200 && attempt.status <= 299;
    const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
    const bool cutOff = reply.error() != QNetworkReply::NoError ||
                        (length.isValid() && length.toLongLong() != body.size());
    if (!finished || tooLarge || (success && cutOff)) {
        attempt.outcome = CAttempt::Outcome::Broken;
        return attempt;
    }
    attempt.outcome = CAttempt::Outcome::Complete;
    attempt.body = std::move(body);
    return attempt;
}

// One request, waited for until it finishes, goes unanswered for a try's time, runs out of the
// download's time or brings more than the body may hold; then the connection is closed.
CAttempt ReadOnce(QNetworkAccessManager& manager, const QUrl& url,
                  const CUpdateDownloadLimits& limits, const QDeadlineTimer& deadline)
{
    const std::unique_ptr<QNetworkReply> reply(manager.get(UpdateFileRequest(url)));
    reply->setReadBufferSize(ReadChunkBytes);

    QByteArray body;
    bool finished = false;
    bool tooLarge = false;
    QEventLoop loop;
    QTimer answerTimer;
    answerTimer.setSingleShot(true);
    answerTimer.setTimerType(Qt::PreciseTimer); // a try lasts its full second, not 5% less
    QTimer deadlineTimer;
    deadlineTimer.setSingleShot(true);

    const auto take = [&] {
        body += reply->readAll();
        tooLarge = body.size() > limits.maxBodyBytes;
        if (tooLarge) {
            loop.quit();
        }
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        if (!HasStatus(*reply)) {
            return;
        }
        answerTimer.stop();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limits.maxBodyBytes) {
            tooLarge = true;
            loop.quit();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QObject::connect(&answerTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&deadlineTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    answerTimer.start(std::min(limits.answerTimeout, Remaining(deadline)));
    deadlineTimer.start(Remaining(deadline));
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (finished && !tooLarge) {
        take();
    }
    if (!finished || tooLarge) {
        QObject::disconnect(reply.get(), nullptr, &loop, nullptr);
        reply->abort(); // closes the connection: the server sees the end at once
    }
    return Judge(*reply, std::move(body), finished, tooLarge);
}

CAttempt ReadWithTries(QNetworkAccessManager& manager, const QUrl& url,
                       const CUpdateDownloadLimits& limits, const QDeadlineTimer& deadline)
{
    for (int done = 0; done < limits.tries && !deadline.hasExpired(); ++done) {
        CAttempt attempt = ReadOnce(manager, url, limits, deadline);
        if (attempt.outcome != CAttempt::Outcome::NoAnswer) {
            return attempt;
        }
    }
    return {};
}
} // namespace

bool IsHTTPURL(const QUrl& url)
{
    return url.isValid() && (url.scheme() == "http" || url.scheme() == "https") &&
           !url.host().isEmpty();
}

bool MayFollowRedirect(const QUrl& from, const QUrl& to)
{
    return IsHTTPURL(to) && !(from.scheme() == "https" && to.scheme() == "http");
}

CHTTPUpdateDownloader::CHTTPUpdateDownloader(CUpdateDownloadLimits limits) : m_limits(limits) {}

CUpdateDownload CHTTPUpdateDownloader::Download(const std::string& text)
{
    QUrl url(QString::fromStdString(text));
    if (!IsHTTPURL(url)) {
        return {Status::NotConnected, {}};
    }
    const CWaitCursor waitCursor;
    const QDeadlineTimer deadline(m_limits.totalTime);
    // Made for this download alone: its connections close when it goes.
    QNetworkAccessManager manager;
    for (int redirects = 0;; ++redirects) {
        const CAttempt attempt = ReadWithTries(manager, url, m_limits, deadline);
        switch (attempt.outcome) {
        case CAttempt::Outcome::NoAnswer:
            return {Status::NotConnected, {}};
        case CAttempt::Outcome::Broken:
            return {Status::Failed, {}};
        case CAttempt::Outcome::Complete:
            break;
        }
        if (attempt.status >= 200 && attempt.status <= 299) {
            return {Status::Read, attempt.body.toStdString()};
        }
        const bool redirected = attempt.status >= 300 && attempt.status <= 399 &&
                                attempt.redirect.isValid() && !attempt.redirect.isEmpty();
        if (!redirected || redirects == m_limits.maxRedirects) {
            return {Status::Failed, {}};
        }
        const QUrl next = url.resolved(attempt.redirect);
        if (!MayFollowRedirect(url, next)) {
            return {Status::Failed, {}};
        }
        url = next;
    }
}
