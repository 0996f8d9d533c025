#include "dietlens/net/checkin.h"

#include "dietlens/core/numbers.h"
#include "dietlens/core/program.h"
#include "dietlens/core/serverhosts.h"
#include "dietlens/core/settings.h"
#include "files/cp1252.h"

#include <QFile>
#include <QRegularExpression>
#include <QSysInfo>

namespace net {

QByteArray EncodeQueryValue(const QString& value)
{
    // toPercentEncoding keeps exactly the unreserved characters of RFC 3986.
    return cp1252::encode(value).toPercentEncoding();
}

QString MachineCodeFromCpuInfo(const QString& cpuinfo)
{
    QString family, mhz, model;
    const QStringList lines = cpuinfo.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty() && !family.isEmpty())
            break; // end of the first processor's block
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0)
            continue;
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        if (key == QLatin1String("cpu family") && family.isEmpty())
            family = value;
        else if (key == QLatin1String("cpu MHz") && mhz.isEmpty())
            mhz = value;
        else if (key == QLatin1String("model") && model.isEmpty())
            model = value;
    }
    auto whole = [](const QString& text) {
        bool ok = false;
        const double v = text.toDouble(&ok);
        return ok && v >= 0 && v < 1e12 ? QString::number(qint64(v)) : QStringLiteral("0");
    };
    return whole(family) + QLatin1Char('-') + whole(mhz) + QLatin1Char('-') + whole(model);
}

QString SystemVersionFromKernel(const QString& release)
{
    static const QRegularExpression re(QStringLiteral("^(\\d+)\\.(\\d+)"));
    const QRegularExpressionMatch m = re.match(release);
    if (!m.hasMatch())
        return QStringLiteral("0.00");
    const double version = m.captured(1).toDouble() + m.captured(2).toDouble() / 100.0;
    return QString::number(version, 'f', 2);
}

MachineFacts CollectMachineFacts()
{
    MachineFacts facts;
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    QString text;
    if (cpuinfo.open(QIODevice::ReadOnly))
        text = QString::fromLatin1(cpuinfo.read(64 * 1024));
    facts.machineCode = MachineCodeFromCpuInfo(text);
    facts.computerName = QSysInfo::machineHostName();
    facts.userName = qEnvironmentVariable("USER");
    facts.systemVersion = SystemVersionFromKernel(QSysInfo::kernelVersion());
    return facts;
}

QByteArray BuildCheckinUrl(const Settings& s, const ServerHosts& hosts, const MachineFacts& facts)
{
    auto orZero = [](const QString& v) { return v.isEmpty() ? QStringLiteral("0") : v; };
    const QString mail = s.MailOptIn == QLatin1String("1") ? facts.mailAddress : QString();

    QByteArray url =
        "http://" + cp1252::encode(hosts.checkin) + "/modules/controle/dietlens_controle.php?&code=";
    url += EncodeQueryValue(facts.machineCode);
    url += "&naam=" + EncodeQueryValue(s.FirstName + QLatin1Char(' ') + s.LastName);
    url += "&email=" + EncodeQueryValue(mail);
    url += "&comnaam=" + EncodeQueryValue(facts.computerName);
    url += "&winuser=" + EncodeQueryValue(facts.userName);
    url += "&opdrachten=" + EncodeQueryValue(orZero(s.SearchCount));
    url += "&traffic=" + EncodeQueryValue(orZero(s.TrafficCount));
    url += "&appver=" + EncodeQueryValue(ProgramVersion());
    url += "&taal=" + EncodeQueryValue(s.LanguageFile);
    url += "&toevoegingen=" + EncodeQueryValue(orZero(s.AddedCount));
    url += "&winver=" + EncodeQueryValue(facts.systemVersion);
    return url;
}

std::optional<float> ParseVersionReply(const QString& reply)
{
    QString text = reply.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const float value = text.toFloat(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

float ProgramVersionValue(const QString& programVersion)
{
    QString text = programVersion;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return float(Val(text));
}

void SelectServer(Settings& settings, const ServerHosts& hosts, FoodServerUrls& urls)
{
    QString& choice = settings.ServerChoice;
    if (choice.isEmpty())
        choice = QStringLiteral("1");
    const double value = Val(choice);
    QString host;
    if (value == 0)
        host = hosts.foodNl;
    else if (value == 1)
        host = hosts.foodEn;
    else
        return;
    const QString base = QStringLiteral("http://") + host;
    urls.SearchUrl = base + QStringLiteral("/modules/swzoek.php");
    urls.SubmitUrl = base + QStringLiteral("/modules/swadd.php");
}

} // namespace net
