#include "dietlens/ui/offscreenwindows.h"

#include "dietlens/ui/dl_add.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/dl_informatie.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/notices.h"
#include "lang/language.h"

#include <QCoreApplication>
#include <QStackedWidget>

OffscreenWindows::OffscreenWindows(const LanguageTables& tables, std::optional<TextWindow> only)
{
    m_state.lang = tables;
    m_state.paths.AppDataFolder = m_folder.path() + QLatin1Char('/');
    m_state.paths.SettingsPath = m_folder.filePath(QStringLiteral("dl2set.dat"));
    m_state.paths.LanguageFolder = m_folder.path() + QLatin1Char('/');
    Settings& s = m_state.settings;
    s.WeightUnit = s.EnergyUnit = s.ServerChoice = QStringLiteral("0");
    s.ShowTrayNotice = s.ShowConnectNotice = QStringLiteral("1");
    m_language = std::make_unique<Language>(m_state.lang);
    if (only == TextWindow::Tray)
        only = TextWindow::Main;
    const auto wanted = [&](TextWindow kind) { return !only || *only == kind; };
    if (wanted(TextWindow::Main)) {
        auto main = std::make_unique<DL_Core>(m_state, m_messenger);
        main->Set_Taal();
        m_windows[TextWindow::Main] = std::move(main);
    }
    if (wanted(TextWindow::NewFoodItem))
        m_windows[TextWindow::NewFoodItem] =
            std::make_unique<DL_Add>(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger,
                                     DL_Add::FetchFunction());
    if (wanted(TextWindow::ConnectNotice))
        m_windows[TextWindow::ConnectNotice] =
            std::make_unique<DL_Connectmelding>(m_state.settings, m_state.paths, m_state.lang, m_messenger);
    if (wanted(TextWindow::TrayNotice))
        m_windows[TextWindow::TrayNotice] =
            std::make_unique<DL_ToTray>(m_state.settings, m_state.paths, m_state.lang, m_messenger);
    if (wanted(TextWindow::Settings))
        m_windows[TextWindow::Settings] =
            std::make_unique<DL_Properties>(m_state.settings, m_state.paths, *m_language, m_messenger);
    if (wanted(TextWindow::Information))
        m_windows[TextWindow::Information] = std::make_unique<DL_Informatie>(m_state.settings, m_state.lang);
    for (auto& [kind, window] : m_windows) {
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->show();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

OffscreenWindows::~OffscreenWindows() = default;

QWidget* OffscreenWindows::window(TextWindow kind) const
{
    // The tray's texts belong to the main window.
    const auto it = m_windows.find(kind == TextWindow::Tray ? TextWindow::Main : kind);
    return it == m_windows.end() ? nullptr : it->second.get();
}

QWidget* OffscreenWindows::control(const TextPlace& place) const
{
    QWidget* w = window(place.window);
    if (!w || place.control[0] == '\0')
        return nullptr;
    QWidget* found = w->findChild<QWidget*>(QLatin1String(place.control));
    if (found)
        reveal(found);
    return found;
}

void OffscreenWindows::reveal(QWidget* control)
{
    bool changed = false;
    for (QWidget* child = control; child && child->parentWidget(); child = child->parentWidget()) {
        if (auto* pages = qobject_cast<QStackedWidget*>(child->parentWidget());
            pages && pages->currentWidget() != child) {
            pages->setCurrentWidget(child);
            changed = true;
        }
    }
    if (changed)
        settleLayouts();
}

void OffscreenWindows::settleLayouts()
{
    for (int level = 0; level < 6; ++level)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}
