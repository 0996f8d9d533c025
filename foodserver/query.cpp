#include "foodserver/query.h"

#include <algorithm>
#include <array>

namespace foodserver {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

constexpr std::array<std::string_view, 4> kPersonalCheckinKeys = {"naam", "email", "comnaam", "winuser"};
constexpr std::array<std::string_view, 1> kPersonalSubmitKeys = {"gepost"};

} // namespace

std::string percentDecode(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexDigit(text[i + 1]);
            const int low = hexDigit(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

QueryParams::QueryParams(std::string_view query)
{
    while (!query.empty()) {
        const auto amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view() : query.substr(amp + 1);
        if (pair.empty())
            continue;
        const auto eq = pair.find('=');
        if (eq == std::string_view::npos)
            pairs_.emplace_back(percentDecode(pair), std::string());
        else
            pairs_.emplace_back(percentDecode(pair.substr(0, eq)), percentDecode(pair.substr(eq + 1)));
    }
}

std::optional<std::string> QueryParams::value(std::string_view key) const
{
    for (const auto& [k, v] : pairs_) {
        if (k == key)
            return v;
    }
    return std::nullopt;
}

Target parseTarget(std::string_view target)
{
    const auto question = target.find('?');
    Target parsed;
    parsed.path = percentDecode(target.substr(0, question));
    if (question != std::string_view::npos)
        parsed.query = QueryParams(target.substr(question + 1));
    return parsed;
}

std::string maskPersonalValues(std::string_view target)
{
    const auto question = target.find('?');
    if (question == std::string_view::npos)
        return std::string(target);
    const std::string path = percentDecode(target.substr(0, question));
    const auto isPersonal = [&path](const std::string& key) {
        if (path == kCheckinPath)
            return std::find(kPersonalCheckinKeys.begin(), kPersonalCheckinKeys.end(), key) !=
                   kPersonalCheckinKeys.end();
        if (path == kSubmitPath)
            return std::find(kPersonalSubmitKeys.begin(), kPersonalSubmitKeys.end(), key) !=
                   kPersonalSubmitKeys.end();
        return false;
    };
    std::string out(target.substr(0, question + 1));
    std::string_view query = target.substr(question + 1);
    while (true) {
        const auto amp = query.find('&');
        const std::string_view pair = query.substr(0, amp);
        const auto eq = pair.find('=');
        if (eq != std::string_view::npos && isPersonal(percentDecode(pair.substr(0, eq)))) {
            out.append(pair.substr(0, eq + 1));
            out.append(kPersonalValueMask);
        } else {
            out.append(pair);
        }
        if (amp == std::string_view::npos)
            break;
        out.push_back('&');
        query.remove_prefix(amp + 1);
    }
    return out;
}

} // namespace foodserver
