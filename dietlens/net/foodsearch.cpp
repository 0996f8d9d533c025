#include "dietlens/net/foodsearch.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/paths.h"
#include "dietlens/core/program.h"
#include "dietlens/core/serverhosts.h"
#include "dietlens/core/settings.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/net/request.h"
#include "dietlens/net/search.h"
#include "lang/languagetables.h"
#include "lang/messenger.h"

#include <QUrl>

#include <exception>

namespace net {

FoodSearch::FoodSearch(Settings& settings, const Paths& paths, const FoodServerUrls& urls,
                       const LanguageTables& lang, Messenger& messenger, QObject* parent)
    : QObject(parent), m_settings(settings), m_paths(paths), m_urls(urls), m_lang(lang),
      m_messenger(messenger), m_requests(new RequestCycle(this))
{
    m_requests->setObjectName(QStringLiteral("Inet1"));
}

bool FoodSearch::isBusy() const
{
    return m_requests->isBusy();
}

bool FoodSearch::SearchAllowed(const QString& term, bool bookmarkListShown)
{
    if (bookmarkListShown) {
        m_messenger.message(ProgramName(),
                            joinLines({m_lang.at(text::Main::YouCannotPerformASearch),
                                       m_lang.at(text::Main::PressTheBarchartInternetButton)}),
                            MessageIcon::Exclamation);
        return false;
    }
    if (term.size() < 3) {
        m_messenger.message(
            QStringLiteral("Error #112"),
            joinLines({m_lang.at(text::Main::CantSendThisSearchTo), m_lang.at(text::Main::YouHaveToEnterAt)}),
            MessageIcon::Critical);
        return false;
    }
    return true;
}

std::optional<std::vector<FoodItem>> FoodSearch::SearchFoodItems(const QString& term)
{
    const auto F = [this](TextSlot slot) { return m_lang.at(slot); };
    bool waiting = false;
    const auto showSearchFailure = [&] {
        m_messenger.message(
            QStringLiteral("Error #100"),
            joinLines({F(text::Main::AnErrorOccurredDuringThe), F(text::Main::TheLastSearchJobHas), QString(),
                       F(text::Main::PleaseTryAgainLater)}),
            MessageIcon::Critical);
    };
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
        if (result.transferError()) {
            m_messenger.message(QStringLiteral("Error #102"),
                                joinLines({F(text::Main::AnErrorOccurredWhileSearching),
                                           F(text::Main::CheckYourInternetConnectionAnd43), QString(),
                                           F(text::Main::IfYouWantToSearch44)}),
                                MessageIcon::Critical);
        }

        // Every request counts, also one that brought nothing back.
        m_settings.SearchCount = AddToCounter(m_settings.SearchCount, 1);
        m_settings.TrafficCount = AddToCounter(m_settings.TrafficCount, result.body.size());
        SaveSettings(m_settings, m_paths.SettingsPath, m_lang, m_messenger);

        waiting = false;
        Q_EMIT requestEnded();

        if (record::HasRecords(result.body))
            return record::ParseSearchReply(result.body, kMaxListedRecords);
        m_messenger.message(ProgramName(),
                            joinLines({F(text::Main::NoResultsHaveBeenFound) + QStringLiteral(" '") + term +
                                           QLatin1Char('\''),
                                       F(text::Main::TryAnotherSearch)}),
                            MessageIcon::Information);
        return std::vector<FoodItem>();
    } catch (const std::exception&) {
        if (waiting)
            Q_EMIT requestEnded();
        showSearchFailure();
        return std::nullopt;
    }
}

} // namespace net
