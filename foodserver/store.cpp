#include "foodserver/store.h"

#include <chrono>
#include <ctime>

namespace foodserver {

bool Store::isPostgresAddress(std::string_view location)
{
    return location.starts_with("postgresql://") || location.starts_with("postgres://");
}

std::unique_ptr<Store> Store::open(const std::string& location, std::string& error)
{
    return isPostgresAddress(location) ? openPostgresStore(location, error)
                                       : openSqliteStore(location, error);
}

std::string Store::displayName(const std::string& location)
{
    if (!isPostgresAddress(location))
        return location;
    const auto authority = location.find("://") + 3;
    const auto at = location.find('@', authority);
    const auto slash = location.find('/', authority);
    if (at == std::string::npos || (slash != std::string::npos && slash < at))
        return location;
    const auto colon = location.find(':', authority);
    if (colon == std::string::npos || colon > at)
        return location;
    return location.substr(0, colon + 1) + "***" + location.substr(at);
}

std::string utcTime(std::int64_t secondsSinceEpoch)
{
    const auto seconds = std::time_t(secondsSinceEpoch);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::int64_t secondsNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

const std::string* checkinValue(const CheckinValues& values, std::string_view key)
{
    for (const auto& [k, value] : values) {
        if (k == key)
            return &value;
    }
    return nullptr;
}

} // namespace foodserver
