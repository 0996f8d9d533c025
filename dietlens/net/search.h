#pragma once
// The food search: the request URL and how many records of a reply are
// listed (dietlens/record/fooditem.h reads the reply).
#include <QByteArray>
#include <QString>

namespace net {

// SearchUrl + "?item=" + the search text, percent-encoded.
QByteArray BuildSearchUrl(const QString& searchUrl, const QString& searchText);

// The most records the results list takes from one reply. A real server
// sends a few hundred (ours at most 100,000); a broken one can fill a whole
// reply with millions of empty records, and listing them would hold the
// window for seconds and take gigabytes. Records past this are ignored like
// text after the last "¼".
inline constexpr qsizetype kMaxListedRecords = 100000;

} // namespace net
