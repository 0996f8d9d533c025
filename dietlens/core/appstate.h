#pragma once
// Everything a run of dietlens keeps, by concern. The program creates one and
// hands each part to whoever needs it; nothing but the main window and the
// program's start takes the whole.
#include "dietlens/core/paths.h"
#include "dietlens/core/serverhosts.h"
#include "dietlens/core/settings.h"
#include "lang/languagetables.h"

struct AppState
{
    Paths paths;
    Settings settings;
    ServerHosts hosts = ServerHosts::configured();
    FoodServerUrls food;
    LanguageTables lang;
};
