#pragma once
// The food search: checking the search text, the request to the chosen food
// server, counting every request in the settings, and the records of the
// reply.
#include "dietlens/core/problem.h"
#include "dietlens/record/fooditem.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

struct FoodServerUrls;
struct Paths;
struct Settings;

namespace net {

class RequestCycle;

class FoodSearch : public QObject
{
    Q_OBJECT
public:
    FoodSearch(Settings& settings, const Paths& paths, const FoodServerUrls& urls, QObject* parent = nullptr);

    // The checks of the search command: none in the bookmark list, and at
    // least 3 characters. A refusal is false with its problem.
    Result<bool, Problem> SearchAllowed(const QString& term, bool bookmarkListShown) const;

    // Sends the search, counts it (also when nothing comes back) and saves
    // the settings. The records of the reply, or none listed after
    // NoSearchResults; nothing at all after SearchFailed or when the
    // program is ending. Problems are reported as they are met.
    std::optional<std::vector<FoodItem>> SearchFoodItems(const QString& term);

    RequestCycle& requests() { return *m_requests; }
    bool isBusy() const;

Q_SIGNALS:
    // The request is about to be sent / has come back (or failed).
    void requestStarted();
    void requestEnded();
    // The search met a problem; the window shows it before the search goes on.
    void problemFound(const Problem& problem);

private:
    Settings& m_settings;
    const Paths& m_paths;
    const FoodServerUrls& m_urls;
    RequestCycle* m_requests;
};

} // namespace net
