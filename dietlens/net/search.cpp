#include "dietlens/net/search.h"

#include "dietlens/net/checkin.h"
#include "files/cp1252.h"

namespace net {

QByteArray BuildSearchUrl(const QString& searchUrl, const QString& searchText)
{
    return cp1252::encode(searchUrl) + "?item=" + EncodeQueryValue(searchText);
}

} // namespace net
