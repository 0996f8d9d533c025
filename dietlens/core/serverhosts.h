#pragma once
// Where dietlens finds its servers.
#include <QString>

// host:port of the servers and the web-site addresses. Production takes the
// configured defaults; tests put their own servers here.
struct ServerHosts
{
    QString checkin;
    QString foodEn;
    QString foodNl;
    QString siteEn;
    QString siteNl;
    static ServerHosts configured();
};

// The two scripts of the chosen food server (SelectServer sets them).
struct FoodServerUrls
{
    QString SearchUrl;
    QString SubmitUrl;
};
