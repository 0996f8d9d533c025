#pragma once
// dietlens's six windows built with one language's texts and laid out as on
// the screen without appearing there, for measuring and picturing texts.
#include "dietlens/core/appstate.h"
#include "dietlens/lang/textplaces.h"
#include "lang/messenger.h"

#include <QTemporaryDir>

#include <map>
#include <memory>
#include <optional>

class Language;
class QWidget;

class OffscreenWindows
{
public:
    // Needs a QApplication (the offscreen platform will do). Builds the six
    // windows, or only the one asked for.
    explicit OffscreenWindows(const LanguageTables& tables, std::optional<TextWindow> only = {});
    ~OffscreenWindows();

    const LanguageTables& tables() const { return m_state.lang; }
    // Answers nothing and shows nothing.
    Messenger& messenger() const { return m_messenger; }

    QWidget* window(TextWindow kind) const;
    // The named control of a place, on the tab page brought to the front; none
    // for a place without a control or one that is no widget (a menu item).
    QWidget* control(const TextPlace& place) const;

    // Brings the tab pages holding the control to the front, laid out as when
    // the user opens them.
    static void reveal(QWidget* control);
    // A changed text reaches a window's layout through one posted request for
    // each level of nesting.
    static void settleLayouts();

private:
    class SilentMessenger : public Messenger
    {
    public:
        MessageAnswer message(const QString&, const QString&, MessageIcon, MessageButtons) override
        {
            return MessageAnswer::Cancel;
        }
        QString saveFileName(const FileDialogRequest&) override { return {}; }
        QString openFileName(const FileDialogRequest&) override { return {}; }
    };

    QTemporaryDir m_folder;
    AppState m_state;
    mutable SilentMessenger m_messenger;
    std::unique_ptr<Language> m_language;
    std::map<TextWindow, std::unique_ptr<QWidget>> m_windows;
};
