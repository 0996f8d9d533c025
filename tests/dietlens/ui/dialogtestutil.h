#pragma once
// Shared set-up of the dialog tests: a state whose language tables hold a
// marker per slot ("T2.21" is F02_lng_(21)), so a test sees which slot a
// control or message took, and whose files live in a temporary folder.
#include "dietlens/core/appstate.h"
#include "dietlens/core/settings.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

namespace dialogtest {

inline QString slot(int table, int index)
{
    return QStringLiteral("T%1.%2").arg(table).arg(index);
}

inline void fillMarkers(LanguageTables& tables)
{
    for (int t = 1; t <= 7; ++t)
        for (int i = 0; i <= 80; ++i)
            tables.set(t, i, slot(t, i));
}

inline void prepare(AppState& state, const QTemporaryDir& dir)
{
    fillMarkers(state.lang);
    state.AppDataFolder = dir.path() + QStringLiteral("/");
    state.SettingsPath = dir.path() + QStringLiteral("/dl2set.dat");
    state.LanguageFolder = dir.path() + QStringLiteral("/lang/");
    state.SubmitUrl = QStringLiteral("http://127.0.0.1:1/modules/swadd.php");
    Settings& s = state.settings;
    s.LanguageFile = QStringLiteral("default.lsf");
    s.ServerChoice = QStringLiteral("0");
    s.ShowTrayNotice = QStringLiteral("1");
    s.ShowConnectNotice = QStringLiteral("1");
    s.EnergyUnit = QStringLiteral("1");
    s.MailOptIn = QStringLiteral("1");
    s.FirstName = QStringLiteral("Ann");
    s.LastName = QStringLiteral("Lee");
    s.SearchCount = QStringLiteral("0");
    s.TrafficCount = QStringLiteral("0");
    s.AddedCount = QStringLiteral("0");
    s.AlwaysOnTop = QStringLiteral("0");
    s.WeightUnit = QStringLiteral("0");
}

// Types characters that QTest's key tables do not know.
inline void typeText(QWidget* widget, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

// The settings as a fresh run would read them from the file.
inline Settings storedSettings(const AppState& state)
{
    AppState fresh;
    fresh.SettingsPath = state.SettingsPath;
    if (ReadSettingsFile(fresh) != SettingsLoad::Loaded)
        return {};
    return fresh.settings;
}

} // namespace dialogtest
