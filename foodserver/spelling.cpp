#include "foodserver/spelling.h"

#include <xapian.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace foodserver {

Spelling::Spelling()
{
    std::error_code error;
    std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error)
        base = "/tmp";
    std::string pattern = (base / "foodserver-spelling-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        std::fprintf(stderr,
                     "foodserver: warning: no folder for the spelling list in %s; words with a typing "
                     "error are not found\n",
                     base.c_str());
        return;
    }
    folder_ = pattern;
    try {
        database_ = std::make_unique<Xapian::WritableDatabase>(folder_, Xapian::DB_CREATE_OR_OVERWRITE |
                                                                            Xapian::DB_NO_SYNC);
    } catch (const Xapian::Error& e) {
        std::fprintf(stderr,
                     "foodserver: warning: no spelling list (%s); words with a typing error are not found\n",
                     e.get_msg().c_str());
    }
}

Spelling::~Spelling()
{
    database_.reset();
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

void Spelling::add(const std::vector<std::pair<std::string, unsigned>>& wordCounts)
{
    std::lock_guard lock(mutex_);
    if (!database_ || wordCounts.empty())
        return;
    try {
        for (const auto& [word, count] : wordCounts)
            database_->add_spelling(word, count);
        database_->commit();
    } catch (const Xapian::Error& e) {
        std::fprintf(stderr, "foodserver: warning: spelling list not updated (%s)\n", e.get_msg().c_str());
    }
}

std::string Spelling::suggest(const std::string& word, unsigned maxEdits) const
{
    std::lock_guard lock(mutex_);
    if (!database_ || maxEdits == 0)
        return {};
    try {
        return database_->get_spelling_suggestion(word, maxEdits);
    } catch (const Xapian::Error&) {
        return {};
    }
}

} // namespace foodserver
