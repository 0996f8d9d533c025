#include "dietlens/core/appstate.h"

#include "dietlens/core/deployment.h"

#include <cstdlib>

ServerHosts ServerHosts::configured()
{
    return {QStringLiteral(DIETLENS_CHECKIN_HOST), QStringLiteral(DIETLENS_FOOD_HOST_EN),
            QStringLiteral(DIETLENS_FOOD_HOST_NL), QStringLiteral(DIETLENS_SITE_EN),
            QStringLiteral(DIETLENS_SITE_NL)};
}

namespace {
template <typename S, typename R>
R& fieldOf(S& s, int n)
{
    switch (n) {
    case 1: return s.Reserved1;
    case 2: return s.Reserved2;
    case 3: return s.LanguageFile;
    case 4: return s.ServerChoice;
    case 5: return s.ShowTrayNotice;
    case 6: return s.ShowConnectNotice;
    case 7: return s.EnergyUnit;
    case 8: return s.MailOptIn;
    case 9: return s.FirstName;
    case 10: return s.LastName;
    case 11: return s.SearchCount;
    case 12: return s.TrafficCount;
    case 13: return s.AddedCount;
    case 14: return s.AlwaysOnTop;
    case 15: return s.WeightUnit;
    case 16: return s.Reserved3;
    case 17: return s.Reserved4;
    case 18: return s.Reserved5;
    case 19: return s.Reserved6;
    case 20: return s.Reserved7;
    case 21: return s.Reserved8;
    }
    std::abort();
}
} // namespace

QString& Settings::field(int n)
{
    return fieldOf<Settings, QString>(*this, n);
}

const QString& Settings::field(int n) const
{
    return fieldOf<const Settings, const QString>(*this, n);
}
