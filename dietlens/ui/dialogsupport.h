#pragma once
// Small pieces the dialogs of dietlens share: the main-window commands they
// call back into, the topmost rule and the program's icon.
#include <QIcon>
#include <QString>

#include <functional>

class Messenger;
class QLineEdit;
class QWidget;

// Commands of the main window (and the protocol module) that dialogs run.
// An empty function does nothing.
struct MainWindowHooks
{
    std::function<void()> setTaal;            // relabel the main window
    std::function<void()> resetLanguageFiles; // the reset command (asks first)
    std::function<void()> selectServer;       // point the URLs at the chosen food server
    std::function<void()> openWebsite;        // the maker's web site
    std::function<void()> openMenuviaSite;    // the diet program's page
};

// The small windows stay above others when the setting is "1" or still empty;
// the settings dialog only for "1".
bool WantsTopmost(const QString& alwaysOnTop, bool emptyCounts);

// Sets or clears the stay-on-top hint; a shown window stays shown where it
// is, with its size.
void SetTopmost(QWidget* window, bool topmost);

// Keeps a text box free of characters that Windows-1252 cannot hold (the
// settings file and the server requests would turn them into "?"): a typed or
// pasted text with such a character is put back as it was, and a warning
// under the program's name says which characters were refused.
void RefuseUnstorableCharacters(QLineEdit* box, const QString& programName, Messenger& messenger);

// The program's icon.
QIcon DietlensIcon();

// Runs the function when it is set.
inline void runHook(const std::function<void()>& hook)
{
    if (hook)
        hook();
}
