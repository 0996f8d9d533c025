#include "dietlens/core/serverhosts.h"

#include "dietlens/core/deployment.h"

ServerHosts ServerHosts::configured()
{
    return {QStringLiteral(DIETLENS_CHECKIN_HOST), QStringLiteral(DIETLENS_FOOD_HOST_EN),
            QStringLiteral(DIETLENS_FOOD_HOST_NL), QStringLiteral(DIETLENS_SITE_EN),
            QStringLiteral(DIETLENS_SITE_NL)};
}
