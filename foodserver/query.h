#pragma once
// Request targets: the path and the query pairs, decoded to raw bytes.
//
// A query value is percent-decoded to bytes and those bytes are Windows-1252 text; bytes of
// 0x80 and above that arrive unescaped are taken as they are. "+" stays a plus sign: the
// clients never use it for a blank. A "%" not followed by two hex digits is kept literally.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace foodserver {

inline constexpr std::string_view kSearchPath = "/modules/swzoek.php";
inline constexpr std::string_view kSubmitPath = "/modules/swadd.php";
inline constexpr std::string_view kCheckinPath = "/modules/controle/dietlens_controle.php";

std::string percentDecode(std::string_view text);

class QueryParams
{
public:
    QueryParams() = default;
    // Parses the part of a query string after "?"; empty pairs (as in "?&code=") are skipped.
    explicit QueryParams(std::string_view query);

    // The first value given for a key, or nothing when the key is absent.
    std::optional<std::string> value(std::string_view key) const;
    const std::vector<std::pair<std::string, std::string>>& pairs() const { return pairs_; }

private:
    std::vector<std::pair<std::string, std::string>> pairs_;
};

struct Target
{
    std::string path; // percent-decoded
    QueryParams query;
};

Target parseTarget(std::string_view target);

inline constexpr std::string_view kPersonalValueMask = "***";

// The target with the value of every key that names a person replaced by kPersonalValueMask:
// naam, email, comnaam and winuser of a check-in, gepost (the sender) of a submission. Keys
// count as the server reads them, percent escapes decoded; everything else stays byte for byte.
std::string maskPersonalValues(std::string_view target);

} // namespace foodserver
