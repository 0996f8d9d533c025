#pragma once
// The windows dietlens' main window opens: the settings dialog, the new food
// item window, the information window, the two notices and the tray. What a
// dialog asks of the main window comes back as a signal.
#include <QDialog>
#include <QObject>
#include <QPointer>

#include <functional>

class Language;
class LanguageTables;
class Messenger;
class QMenu;
class QWidget;
class SystemTray;
struct FoodServerUrls;
struct Paths;
struct Settings;
namespace net {
struct RequestLimits;
}

class MainDialogs : public QObject
{
    Q_OBJECT
public:
    // `trayMenu` is the tray icon's menu.
    MainDialogs(::Settings& settings, const Paths& paths, const FoodServerUrls& food, Language& language,
                Messenger& messenger, QWidget& window, QMenu* trayMenu);

    void Settings();
    void AddFoodItem(const net::RequestLimits& limits);
    void Information();
    void ConnectNotice();

    // The close box: to the tray (with the tray notice when the settings ask
    // for it), or minimised where there is no tray.
    void CloseToTray();
    // Back from the tray, or from wherever the window was.
    void ShowWindow();
    SystemTray& tray();
    QDialog* trayNotice() const { return m_trayNotice; }

    // Runs a modal dialog (exec by default); tests drive the dialog here.
    using DialogRunner = std::function<void(QDialog&)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    // Whether the desktop offers a tray; Qt decides when unset.
    void setTrayAvailability(std::function<bool()> available) { m_trayAvailable = std::move(available); }

Q_SIGNALS:
    void resetRequested();
    void serverChoiceStored();
    void websiteRequested();
    void menuviaSiteRequested();

private:
    void run(QDialog& dialog);

    ::Settings& m_settings;
    const Paths& m_paths;
    const FoodServerUrls& m_food;
    Language& m_language;
    const LanguageTables& m_lang;
    Messenger& m_messenger;
    QWidget& m_window;
    QMenu* m_trayMenu;
    DialogRunner m_runDialog;
    std::function<bool()> m_trayAvailable;
    SystemTray* m_tray = nullptr;
    QPointer<QDialog> m_trayNotice;
};
