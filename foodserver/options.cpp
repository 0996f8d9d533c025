#include "foodserver/options.h"

#include "foodserver/dataset.h"

#include <charconv>

namespace foodserver {

namespace {

bool parseInt(const std::string& text, long long low, long long high, long long& value)
{
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && value >= low && value <= high;
}

// A version as the client reads it: digits with at most one "." or "," and digits after it.
bool isVersion(const std::string& text)
{
    int separators = 0;
    int digits = 0;
    for (char c : text) {
        if (c == '.' || c == ',')
            ++separators;
        else if (c >= '0' && c <= '9')
            ++digits;
        else
            return false;
    }
    return digits > 0 && separators <= 1 && text.front() != '.' && text.front() != ',' &&
           text.back() != '.' && text.back() != ',';
}

} // namespace

std::string versionText()
{
    return std::string("foodserver ") + FOODSERVER_VERSION + "\n";
}

std::string usage()
{
    std::string datasets;
    for (std::string_view name : datasetNames()) {
        if (!datasets.empty())
            datasets.push_back('|');
        datasets.append(name);
    }
    return "Usage: foodserver [options]\n"
           "The reference food server of Dietlens: food search, food submission and check-in.\n"
           "\n"
           "  --host ADDRESS       address to listen on (default 127.0.0.1)\n"
           "  --port PORT          port to listen on, 0 for any free one (default 8080)\n"
           "  --db PATH|URI        SQLite database file (default foodserver.db), or a\n"
           "                       PostgreSQL database as postgresql://user@host:port/name\n"
           "                       which any number of foodservers may share\n"
           "  --dataset NAME       bundled food table a new database is filled from:\n"
           "                       " +
           datasets +
           " (default usda-sr28)\n"
           "  --min-version V      lowest Dietlens version a check-in accepts (default 2.12)\n"
           "  --max-results N      most records one search returns (default 200)\n"
           "  --keep-checkins DAYS\n"
           "                       check-ins older than this are deleted, at start and every\n"
           "                       hour (default 90; 0 stores none)\n"
           "  --version            show the version\n"
           "  --help               show this text\n"
           "\n"
           "One line per request goes to standard error, with the personal values of check-ins\n"
           "and the sender of submissions masked. SIGINT or SIGTERM stops the server.\n";
}

ParsedArguments parseArguments(const std::vector<std::string>& args)
{
    ParsedArguments parsed;
    Options& o = parsed.options;
    auto fail = [&](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::string value;
        bool hasValue = false;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name.resize(eq);
            hasValue = true;
        }
        if (name == "--help" || name == "-h") {
            parsed.help = true;
            parsed.ok = true;
            return parsed;
        }
        if (name == "--version") {
            parsed.version = true;
            parsed.ok = true;
            return parsed;
        }
        const bool known = name == "--host" || name == "--port" || name == "--db" || name == "--dataset" ||
                           name == "--min-version" || name == "--max-results" || name == "--keep-checkins";
        if (!known)
            return fail("unknown option " + name);
        if (!hasValue) {
            if (i + 1 >= args.size())
                return fail(name + " needs a value");
            value = args[++i];
        }
        long long number = 0;
        if (name == "--host") {
            if (value.empty())
                return fail("--host needs an address");
            o.host = value;
        } else if (name == "--port") {
            if (!parseInt(value, 0, 65535, number))
                return fail("--port must be a number from 0 to 65535");
            o.port = int(number);
        } else if (name == "--db") {
            if (value.empty())
                return fail("--db needs a file name or a postgresql:// address");
            o.service.dbPath = value;
        } else if (name == "--dataset") {
            if (bundledTable(value).empty())
                return fail("unknown dataset " + value);
            o.service.dataset = value;
        } else if (name == "--min-version") {
            if (!isVersion(value))
                return fail("--min-version must be a decimal number such as 2.12");
            o.service.minVersion = value;
        } else if (name == "--max-results") {
            if (!parseInt(value, 1, 100000, number))
                return fail("--max-results must be a number from 1 to 100000");
            o.service.maxResults = std::size_t(number);
        } else if (name == "--keep-checkins") {
            if (!parseInt(value, 0, 36500, number))
                return fail("--keep-checkins must be a number of days from 0 to 36500");
            o.service.keepCheckinDays = int(number);
        }
    }
    parsed.ok = true;
    return parsed;
}

} // namespace foodserver
