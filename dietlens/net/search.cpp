#include "search.h"

#include "checkin.h"
#include "cp1252.h"

namespace net {
namespace {

QStringList splitTerminated(QStringView text, QChar terminator)
{
    QStringList parts;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = text.indexOf(terminator, start);
        if (end < 0)
            break;
        parts.append(text.mid(start, end - start).toString());
        start = end + 1;
    }
    return parts;
}

} // namespace

QByteArray BuildSearchUrl(const QString& searchUrl, const QString& searchText)
{
    return cp1252::encode(searchUrl) + "?item=" + EncodeQueryValue(searchText);
}

bool HasRecords(QStringView reply)
{
    return reply.contains(kRecordEnd);
}

QStringList SplitRecords(QStringView reply)
{
    return splitTerminated(reply, kRecordEnd);
}

QStringList SplitFields(QStringView record)
{
    return splitTerminated(record, kFieldEnd);
}

RecordStatus StatusOf(const QStringList& fields)
{
    if (fields.size() < FoodFieldCount)
        return RecordStatus::Unknown;
    const QString& status = fields.at(FoodStatus);
    if (status == QLatin1String("j"))
        return RecordStatus::Checked;
    if (status == QLatin1String("n"))
        return RecordStatus::Unchecked;
    return RecordStatus::Unknown;
}

} // namespace net
