#pragma once
// Typing errors: the known word nearest to a word that matches nothing, within a given number of
// edits (a letter wrong, missing, extra, or two letters swapped). Built on Xapian's spelling
// suggestions, which keep their word list in a database on disk: each server has its own in a
// private temporary folder, removed when the server ends. Safe to use from several threads.
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace Xapian {
class WritableDatabase;
}

namespace foodserver {

class Spelling
{
public:
    Spelling();
    ~Spelling();
    Spelling(const Spelling&) = delete;
    Spelling& operator=(const Spelling&) = delete;

    // Adds words with how often they occur in names, so the more common of two equally near
    // words is suggested.
    void add(const std::vector<std::pair<std::string, unsigned>>& wordCounts);
    // The nearest known word within maxEdits, or "" when there is none or nothing can be
    // suggested (the folder could not be made).
    std::string suggest(const std::string& word, unsigned maxEdits) const;

private:
    std::string folder_;
    mutable std::mutex mutex_;
    std::unique_ptr<Xapian::WritableDatabase> database_;
};

} // namespace foodserver
