#pragma once
// The food search: checking the search text, the request to the chosen food
// server, counting every request in the settings, and the records of the
// reply.
#include "dietlens/record/fooditem.h"
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class LanguageTables;
class Messenger;
struct FoodServerUrls;
struct Paths;
struct Settings;

namespace net {

class RequestCycle;

class FoodSearch : public QObject
{
    Q_OBJECT
public:
    FoodSearch(Settings& settings, const Paths& paths, const FoodServerUrls& urls, const LanguageTables& lang,
               Messenger& messenger, QObject* parent = nullptr);

    // The checks of the search command: none in the bookmark list, and at
    // least 3 characters. A refusal shows its message and gives false.
    bool SearchAllowed(const QString& term, bool bookmarkListShown);

    // Sends the search, counts it (also when nothing comes back) and saves
    // the settings. The records of the reply, or none listed after the
    // no-results message; nothing at all after "Error #100" or when the
    // program is ending.
    std::optional<std::vector<FoodItem>> SearchFoodItems(const QString& term);

    RequestCycle& requests() { return *m_requests; }
    bool isBusy() const;

Q_SIGNALS:
    // The request is about to be sent / has come back (or failed).
    void requestStarted();
    void requestEnded();

private:
    Settings& m_settings;
    const Paths& m_paths;
    const FoodServerUrls& m_urls;
    const LanguageTables& m_lang;
    Messenger& m_messenger;
    RequestCycle* m_requests;
};

} // namespace net
