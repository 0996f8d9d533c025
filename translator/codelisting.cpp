#include "translator/codelisting.h"

#include "files/atomicfile.h"
#include "files/cp1252.h"

namespace translator {

QString BuildCodeListing(const LanguageTables& tables)
{
    QString out;
    for (int table = 0; table < LanguageTables::kTableCount; ++table) {
        const QString prefix = QStringLiteral("\tF%1_lng_(").arg(table, 2, 10, QLatin1Char('0'));
        for (int i = LanguageTables::firstIndex(table); i <= LanguageTables::lastIndex(table); ++i) {
            const QString& text = tables.at(table, i);
            if (text.isEmpty())
                continue;
            out += prefix;
            out += QString::number(i);
            out += QStringLiteral(") = \"");
            out += text;
            out += QStringLiteral("\"\r\n");
        }
    }
    return out;
}

QByteArray CodeListingBytes(const LanguageTables& tables)
{
    return cp1252::encode(BuildCodeListing(tables));
}

bool WriteCodeListing(const LanguageTables& tables, const QString& path)
{
    return WriteFileAtomically(path, CodeListingBytes(tables));
}

} // namespace translator
