#include "dietlens/net/submission.h"

#include "dietlens/net/checkin.h"

namespace net {

namespace {

QString numberText(QString value)
{
    return value.replace(QLatin1Char(','), QLatin1Char('.'));
}

} // namespace

QString CleanSubmissionText(QString text)
{
    for (const QChar c :
         {QChar(0x00BE), QChar(0x00BC), QChar(0x00BD), QChar(u'&'), QChar(u'='), QChar(u'\'')})
        text.remove(c);
    return text;
}

QByteArray BuildSubmissionUrl(const QString& submitUrl, const FoodItemSubmission& item)
{
    const auto& d = item.per100Gram;
    const std::pair<const char*, QString> pairs[] = {
        {"naam=", CleanSubmissionText(item.name)},
        {"&kj=", numberText(d[0])},
        {"&kcal=", numberText(d[1])},
        {"&vvet=", numberText(d[2])},
        {"&ovet=", numberText(d[3])},
        {"&kdr=", numberText(d[5])},
        {"&ew=", numberText(d[4])},
        {"&nat=", numberText(d[6])},
        {"&opmerking=", CleanSubmissionText(item.remarks)},
        {"&gepost=", CleanSubmissionText(item.sender)},
    };
    QByteArray url = submitUrl.toLatin1() + '?';
    for (const auto& [key, value] : pairs)
        url += QByteArray(key) + EncodeQueryValue(value);
    return url;
}

bool IsSubmissionAccepted(const QString& replyBody)
{
    return replyBody.startsWith(QLatin1String("OK"));
}

} // namespace net
