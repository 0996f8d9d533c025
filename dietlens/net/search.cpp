#include "dietlens/net/search.h"

#include "dietlens/net/checkin.h"
#include "files/cp1252.h"

namespace net {
namespace {

QStringList splitTerminated(QStringView text, QChar terminator, qsizetype maxParts = -1)
{
    QStringList parts;
    qsizetype start = 0;
    while (maxParts < 0 || parts.size() < maxParts) {
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

QStringList SplitRecords(QStringView reply, qsizetype maxRecords)
{
    return splitTerminated(reply, kRecordEnd, maxRecords);
}

QStringList SplitFields(QStringView record)
{
    return splitTerminated(record, kFieldEnd);
}

QList<QStringView> SplitFieldViews(QStringView record)
{
    QList<QStringView> fields;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = record.indexOf(kFieldEnd, start);
        if (end < 0)
            break;
        fields.append(record.mid(start, end - start));
        start = end + 1;
    }
    return fields;
}

RecordStatus StatusOf(const QStringList& fields)
{
    QList<QStringView> views;
    views.reserve(fields.size());
    for (const QString& f : fields)
        views.append(f);
    return StatusOf(views);
}

RecordStatus StatusOf(const QList<QStringView>& fields)
{
    if (fields.size() < FoodFieldCount)
        return RecordStatus::Unknown;
    const QStringView status = fields.at(FoodStatus);
    if (status == QLatin1String("j"))
        return RecordStatus::Checked;
    if (status == QLatin1String("n"))
        return RecordStatus::Unchecked;
    return RecordStatus::Unknown;
}

} // namespace net
