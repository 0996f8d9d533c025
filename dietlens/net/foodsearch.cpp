#include "dietlens/net/foodsearch.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/paths.h"
#include "dietlens/core/serverhosts.h"
#include "dietlens/core/settings.h"
#include "dietlens/net/request.h"
#include "dietlens/net/search.h"

#include <QUrl>

#include <exception>

namespace net {

FoodSearch::FoodSearch(Settings& settings, const Paths& paths, const FoodServerUrls& urls, QObject* parent)
    : QObject(parent), m_settings(settings), m_paths(paths), m_urls(urls), m_requests(new RequestCycle(this))
{
    m_requests->setObjectName(QStringLiteral("Inet1"));
}

bool FoodSearch::isBusy() const
{
    return m_requests->isBusy();
}

Result<bool, Problem> FoodSearch::SearchAllowed(const QString& term, bool bookmarkListShown) const
{
    if (bookmarkListShown)
        return {false, {{ProblemKind::SearchInBookmarkList, QString()}}};
    if (term.size() < 3)
        return {false, {{ProblemKind::SearchTermTooShort, QString()}}};
    return {true, {}};
}

std::optional<std::vector<FoodItem>> FoodSearch::SearchFoodItems(const QString& term)
{
    bool waiting = false;
    const auto report = [this](const Problem& problem) { Q_EMIT problemFound(problem); };
    const auto showSearchFailure = [&] { report({ProblemKind::SearchFailed, QString()}); };
    try {
        const QByteArray url = BuildSearchUrl(m_urls.SearchUrl, term);
        // No address to send to (a server choice other than 0 or 1): the
        // search fails here, before anything is sent or counted.
        if (!CanStart(QUrl::fromEncoded(url, QUrl::TolerantMode))) {
            showSearchFailure();
            return std::nullopt;
        }
        Q_EMIT requestStarted();
        waiting = true;
        const RequestResult result = m_requests->get(url);
        if (result.failure == RequestFailure::Abandoned)
            return std::nullopt; // the program is ending
        if (result.transferError())
            report({ProblemKind::SearchTransferFailed, QString()});

        // Every request counts, also one that brought nothing back.
        m_settings.SearchCount = AddToCounter(m_settings.SearchCount, 1);
        m_settings.TrafficCount = AddToCounter(m_settings.TrafficCount, result.body.size());
        for (const Problem& problem : SaveSettings(m_settings, m_paths.SettingsPath).problems)
            report(problem);

        waiting = false;
        Q_EMIT requestEnded();

        if (record::HasRecords(result.body))
            return record::ParseSearchReply(result.body, kMaxListedRecords);
        report({ProblemKind::NoSearchResults, term});
        return std::vector<FoodItem>();
    } catch (const std::exception&) {
        if (waiting)
            Q_EMIT requestEnded();
        showSearchFailure();
        return std::nullopt;
    }
}

} // namespace net
