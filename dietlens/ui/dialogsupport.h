#pragma once
// Small pieces the dialogs of dietlens share: the topmost rule and the
// program's icon.
#include <QIcon>
#include <QString>

class QWidget;

// The small windows stay above others when the setting is "1" or still empty;
// the settings dialog only for "1".
bool WantsTopmost(const QString& alwaysOnTop, bool emptyCounts);

// Sets or clears the stay-on-top hint; a shown window is shown again, since
// changing the hint hides it.
void SetTopmost(QWidget* window, bool topmost);

// The program's icon.
QIcon DietlensIcon();
