// The table of text places against the real windows: every control it names
// is there under that name, and once the windows have taken their texts, a
// control that shows a text alone shows one the table places there, and each
// text a named control shows is placed on it.
#include "dietlens/core/appstate.h"
#include "dietlens/display/nutritionchart.h"
#include "dietlens/lang/textplaces.h"
#include "dietlens/ui/dl_add.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/dl_informatie.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/notices.h"
#include "dietlens/ui/nutritionchartview.h"
#include "lang/language.h"
#include "tests/dietlens/ui/dialogtestutil.h"
#include "tests/support/scriptedmessenger.h"
#include "widgets/keyboardaccess.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

using namespace dialogtest;
using namespace Qt::StringLiterals;

namespace {

// The text a control shows in one use, or none when the use is not one of
// those read here.
std::optional<QString> shownText(QObject* control, int item, TextUse use)
{
    auto* widget = qobject_cast<QWidget*>(control);
    auto* tabs = qobject_cast<QTabBar*>(control);
    auto* action = qobject_cast<QAction*>(control);
    switch (use) {
    case TextUse::WindowTitle:
        return widget ? widget->windowTitle() : QString();
    case TextUse::ToolTip:
        if (tabs)
            return tabs->tabToolTip(item);
        // A menu item without a tooltip of its own gives its text as one.
        if (action)
            return action->toolTip() == WithoutMnemonic(action->text()) ? QString() : action->toolTip();
        return widget ? widget->toolTip() : QString();
    case TextUse::Command:
        if (auto* menu = qobject_cast<QMenu*>(control))
            return WithoutMnemonic(menu->title());
        return action ? WithoutMnemonic(action->text()) : QString();
    case TextUse::Caption:
        if (tabs)
            return tabs->tabText(item);
        if (auto* box = qobject_cast<QGroupBox*>(control))
            return box->title();
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            return button->text();
        return QString();
    default:
        return std::nullopt;
    }
}

} // namespace

class TestTextPlacesControls : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppState m_state;
    ScriptedMessenger m_messenger;
    std::unique_ptr<Language> m_language;
    std::map<TextWindow, std::unique_ptr<QWidget>> m_windows;

    QWidget* windowOf(TextWindow window) const
    {
        // The tray menu belongs to the main window.
        const auto it = m_windows.find(window == TextWindow::Tray ? TextWindow::Main : window);
        return it == m_windows.end() ? nullptr : it->second.get();
    }

    QObject* controlOf(const TextPlace& place) const
    {
        QWidget* window = windowOf(place.window);
        if (!window || place.control[0] == '\0')
            return nullptr;
        if (window->objectName() == QLatin1String(place.control))
            return window;
        return window->findChild<QObject*>(QLatin1String(place.control));
    }

private Q_SLOTS:
    void initTestCase()
    {
        prepare(m_state, m_dir);
        QVERIFY(QDir().mkpath(m_state.paths.LanguageFolder));
        m_language = std::make_unique<Language>(m_state.lang);
        auto main = std::make_unique<DL_Core>(m_state, m_messenger);
        main->Set_Taal();
        m_windows[TextWindow::Main] = std::move(main);
        m_windows[TextWindow::NewFoodItem] =
            std::make_unique<DL_Add>(m_state.settings, m_state.paths, m_state.food, m_state.lang, m_messenger,
                                     DL_Add::FetchFunction());
        m_windows[TextWindow::ConnectNotice] =
            std::make_unique<DL_Connectmelding>(m_state.settings, m_state.paths, m_state.lang, m_messenger);
        m_windows[TextWindow::TrayNotice] =
            std::make_unique<DL_ToTray>(m_state.settings, m_state.paths, m_state.lang, m_messenger);
        m_windows[TextWindow::Settings] =
            std::make_unique<DL_Properties>(m_state.settings, m_state.paths, *m_language, m_messenger);
        m_windows[TextWindow::Information] = std::make_unique<DL_Informatie>(m_state.settings, m_state.lang);
    }

    void cleanupTestCase() { m_windows.clear(); }

    // Each named control is in its window, and a place on a part of it names
    // a tab or bar that is there.
    void everyNamedControlIsInItsWindow()
    {
        int checked = 0;
        for (const TextPlace& place : TextPlaces()) {
            if (place.control[0] == '\0')
                continue;
            const QString what = QLatin1String(place.control) + u" for "_s + QString::fromUtf8(place.where);
            QObject* control = controlOf(place);
            QVERIFY2(control, qPrintable(u"missing: "_s + what));
            ++checked;
            if (place.item < 0)
                continue;
            if (auto* tabs = qobject_cast<QTabBar*>(control))
                QVERIFY2(place.item < tabs->count(), qPrintable(what));
            else
                QVERIFY2(qobject_cast<NutritionChartView*>(control) &&
                             place.item < int(NutritionChart::kBarCount),
                         qPrintable(what));
        }
        QVERIFY(checked > 100);
    }

    // The windows' language tables hold a marker per slot ("T5.8"); a control
    // whose places show a text alone shows the marker of one of them.
    void controlsShowATextPlacedThere()
    {
        int checked = 0;
        for (const TextPlace& place : TextPlaces()) {
            if (place.shownAs[0] != '\0')
                continue;
            QObject* control = controlOf(place);
            if (!control)
                continue;
            const std::optional<QString> text = shownText(control, place.item, place.use);
            if (!text)
                continue;
            QStringList placed;
            for (const TextPlace& other : TextPlaces()) {
                if (other.window == place.window && std::strcmp(other.control, place.control) == 0 &&
                    other.item == place.item && other.use == place.use && other.shownAs[0] == '\0')
                    placed << slot(other.slot.table, other.slot.index);
            }
            QVERIFY2(placed.contains(*text), qPrintable(QLatin1String(place.control) + u" shows \""_s +
                                                        *text + u"\", placed: "_s + placed.join(u", "_s)));
            ++checked;
        }
        QVERIFY(checked > 80);
    }

    // The other way round: a named control that shows a marker has a place for that slot.
    void everyTextShownIsPlaced()
    {
        static const QRegularExpression marker(u"^T(\\d+)\\.(\\d+)$"_s);
        int checked = 0;
        for (const auto& entry : m_windows) {
            QWidget* root = entry.second.get();
            QList<QObject*> objects = root->findChildren<QObject*>();
            objects.prepend(root);
            for (QObject* control : std::as_const(objects)) {
                if (control->objectName().isEmpty())
                    continue;
                auto* tabs = qobject_cast<QTabBar*>(control);
                for (int item = tabs ? 0 : -1; item < (tabs ? tabs->count() : 0); ++item) {
                    for (TextUse use :
                         {TextUse::WindowTitle, TextUse::Caption, TextUse::Command, TextUse::ToolTip}) {
                        if (use == TextUse::WindowTitle && control != root)
                            continue;
                        const QRegularExpressionMatch m =
                            marker.match(shownText(control, item, use).value_or(QString()));
                        if (!m.hasMatch())
                            continue;
                        ++checked;
                        const TextSlot shown{m.captured(1).toInt(), m.captured(2).toInt()};
                        const std::vector<TextPlace> places = PlacesOf(shown);
                        const bool placed =
                            std::any_of(places.begin(), places.end(), [&](const TextPlace& p) {
                                return windowOf(p.window) == root &&
                                       control->objectName() == QLatin1String(p.control) && p.item == item &&
                                       p.use == use;
                            });
                        QVERIFY2(placed, qPrintable(control->objectName() + u" shows "_s + m.captured(0) +
                                                    u" without a place"_s));
                    }
                }
            }
        }
        QVERIFY(checked > 80);
    }
};

QTEST_MAIN(TestTextPlacesControls)
#include "test_textplaces_controls.moc"
