// Whether a language's texts fit where dietlens shows them: the verdict for
// each chart caption is checked against the chart dietlens itself draws with
// those texts at the heaviest weight (its caption texts, font and boxes).
#include "dietlens/core/appstate.h"
#include "dietlens/core/serverhosts.h"
#include "dietlens/core/settings.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/lang/text/functions.h"
#include "dietlens/lang/text/settings.h"
#include "dietlens/ui/dl_core.h"
#include "dietlens/ui/dl_properties.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/offscreenwindows.h"
#include "dietlens/ui/textfit.h"
#include "lang/language.h"
#include "tests/support/longgermantexts.h"
#include "tests/support/scriptedmessenger.h"
#include "widgets/statuspanel.h"
#include "widgets/twips.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>
#include <map>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// The built-in languages, a long German-like one, and Dutch with the
// unsaturated fat caption made longer, as a translator might.
enum class Texts { English, Dutch, LongGerman, DutchLongCaption };

LanguageTables tablesOf(Texts language)
{
    LanguageTables tables;
    const ServerHosts hosts = ServerHosts::configured();
    if (language == Texts::Dutch || language == Texts::DutchLongCaption)
        CreateDutchLanguage(tables, hosts);
    else
        CreateEnglishLanguage(tables, hosts);
    if (language == Texts::LongGerman)
        SetLongGermanLikeTexts(tables);
    if (language == Texts::DutchLongCaption)
        tables.set(text::Functions::UnsaturatedFatPer,
                   u"Onverzadigde en meervoudig onverzadigde vetten per"_s);
    return tables;
}

constexpr int kUnknown = std::numeric_limits<int>::min();

// How a control shows its caption, seen as Qt draws it: whole or not, the
// pixels to spare on its line (kUnknown where that is not one number), the
// lines a wrapping label takes.
struct Seen
{
    bool whole = true;
    int spare = kUnknown;
    int lines = 1;
};

Seen seenIn(const QWidget& control, int item)
{
    Seen seen;
    if (const auto* tabs = qobject_cast<const QTabBar*>(&control)) {
        // The tabs take the room they ask for, or are scrolled or squeezed.
        seen.whole = tabs->rect().contains(tabs->tabRect(item)) && tabs->sizeHint().width() <= tabs->width();
        seen.spare = tabs->width() - tabs->sizeHint().width();
    } else if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        seen.whole = box->rect().contains(title);
    } else if (const auto* label = qobject_cast<const QLabel*>(&control); label && label->wordWrap()) {
        const QRect room = label->contentsRect();
        const QRect text = label->fontMetrics().boundingRect(
            QRect(0, 0, room.width(), 1 << 20), int(label->alignment()) | Qt::TextWordWrap, label->text());
        seen.lines = text.height() / label->fontMetrics().lineSpacing();
        seen.whole = room.height() >= text.height();
    } else {
        seen.spare = control.width() - control.sizeHint().width();
        seen.whole = seen.spare >= 0;
    }
    return seen;
}

// Whether a control's text has `pixels` to spare: a text that many pixels
// wider leaves the window as it is, one pixel more makes it grow or is cut
// (the control squeezed, or the window's layout short of the room its
// controls need: a window held to its size then squeezes them all).
bool spareIs(QWidget& control, QWidget& window, int pixels)
{
    const int need = control.sizeHint().width();
    if (control.minimumWidth() == control.maximumWidth()) // it cannot widen
        return control.width() - need == pixels;
    const int width = window.width();
    const auto growsOrCuts = [&](int wider) {
        control.setMinimumWidth(need + wider);
        OffscreenWindows::settleLayouts();
        window.adjustSize();
        return window.width() > width || control.width() < need + wider ||
               window.minimumSizeHint().width() > window.width();
    };
    const bool agrees = !growsOrCuts(pixels) && growsOrCuts(pixels + 1);
    control.setMinimumWidth(0);
    return agrees;
}

} // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chartCaptionsAgreeWithTheChart_data()
    {
        QTest::addColumn<Texts>("language");
        QTest::newRow("English") << Texts::English;
        QTest::newRow("Dutch") << Texts::Dutch;
        QTest::newRow("long German-like") << Texts::LongGerman;
        QTest::newRow("Dutch, a longer caption") << Texts::DutchLongCaption;
    }
    void chartCaptionsAgreeWithTheChart()
    {
        QFETCH(Texts, language);
        const LanguageTables tables = tablesOf(language);
        const std::vector<TextFit> fits = MeasureTextFits(tables);
        const auto spareOf = [](const TextFit& fit) {
            return fit.verdict == FitVerdict::Cut ? -fit.pixels : fit.pixels;
        };
        std::set<std::size_t> drawnWhereMeasured;
        ScriptedMessenger messenger;
        NutritionChartView chart;
        const QFontMetricsF metrics(chart.font());
        Settings settings;
        int cut = 0;
        // Every caption the chart draws, in grams and ounces, kilojoules and
        // kilocalories: a place that joins exactly this text has the verdict
        // the chart bears out; every place whose text it holds is judged no
        // better than it.
        for (const QString& weightUnit : {u"0"_s, u"1"_s}) {
            for (const QString& energyUnit : {QString(), u"0"_s, u"1"_s}) {
                settings.WeightUnit = weightUnit;
                settings.EnergyUnit = energyUnit;
                QCOMPARE(chart.draw(NutritionValues{400, 96, 1, 1, 20, 3, 0.1f}, 1000, settings, tables,
                                    messenger),
                         ChartDrawing::Drawn);
                for (std::size_t bar = 0; bar < NutritionChart::kBarCount; ++bar) {
                    const QString caption = chart.chart().captionTexts[bar];
                    const qreal room = TwipsF(qreal(chart.chart().captions[bar].width));
                    const qreal needed = metrics.horizontalAdvance(caption);
                    const int drawnSpare =
                        needed > room ? -int(std::ceil(needed - room)) : int(std::floor(room - needed));
                    cut += drawnSpare < 0 ? 1 : 0;
                    for (std::size_t i = 0; i < fits.size(); ++i) {
                        const TextFit& fit = fits[i];
                        if (fit.place.use != TextUse::ChartCaption || fit.place.item != int(bar))
                            continue;
                        const QString slotText = tables.at(fit.place.slot);
                        if (fit.shown == caption) {
                            QCOMPARE(spareOf(fit), drawnSpare);
                            QCOMPARE(DescribeFit(fit).startsWith(u"cut by "_s), drawnSpare < 0);
                            drawnWhereMeasured.insert(i);
                        } else if (caption.startsWith(slotText) || caption.endsWith(slotText)) {
                            QVERIFY2(spareOf(fit) <= drawnSpare, qPrintable(caption));
                        }
                    }
                }
            }
        }
        // The places join their texts as the chart does.
        for (std::size_t i = 0; i < fits.size(); ++i)
            if (fits[i].place.use == TextUse::ChartCaption)
                QVERIFY2(drawnWhereMeasured.count(i), qPrintable(fits[i].shown));
        // "Ungesättigte Fettsäuren pro 1000 Gramm" does not fit, nor does
        // "Onverzadigde en meervoudig onverzadigde vetten per 1000 Gram".
        if (language == Texts::LongGerman || language == Texts::DutchLongCaption)
            QVERIFY(cut > 0);

        // The widest values, 1000 g of a food that is all fat, protein or
        // carbohydrate (and 9000 kcal), are drawn whole behind their bars.
        QCOMPARE(
            chart.draw(NutritionValues{3700, 900, 100, 100, 100, 100, 39}, 1000, settings, tables, messenger),
            ChartDrawing::Drawn);
        for (std::size_t bar :
             {EnergyBar, SaturatedFatBar, UnsaturatedFatBar, ProteinBar, CarbohydratesBar}) {
            const ChartBar& drawn = chart.chart().bars[bar];
            const auto fit = std::find_if(fits.begin(), fits.end(), [&](const TextFit& f) {
                return f.place.use == TextUse::ChartValue && f.place.item == int(bar) &&
                       f.shown == drawn.labelText;
            });
            QVERIFY2(fit != fits.end(), qPrintable(drawn.labelText));
            const qreal room = TwipsF(qreal(chart.chart().areaWidth - drawn.label.left));
            QVERIFY(metrics.horizontalAdvance(drawn.labelText) <= room);
            QCOMPARE(fit->verdict, FitVerdict::Fits);
        }
    }

    // The main window's fixed boxes, in dietlens's own window: the status
    // bar's middle panel is cut exactly when the verdict says so (and ends the
    // text in "…"); the search box is, when it has to scroll to show both ends
    // of the text (its cursor's way from the end to the start is shorter than
    // the text).
    void statusTextsAgreeWithTheStatusBar_data() { chartCaptionsAgreeWithTheChart_data(); }
    void statusTextsAgreeWithTheStatusBar()
    {
        QFETCH(Texts, language);
        AppState state;
        state.lang = tablesOf(language);
        ScriptedMessenger messenger;
        DL_Core window(state, messenger);
        window.Set_Taal();
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.show();
        auto* panel = window.findChild<StatusPanel*>(u"StatusBar_Panel2"_s);
        QVERIFY(panel);
        int checked = 0;
        for (const TextFit& fit : MeasureTextFits(state.lang)) {
            if (fit.place.use != TextUse::StatusPanel ||
                std::string_view(fit.place.control) != "StatusBar_Panel2")
                continue;
            panel->setText(fit.shown);
            QCOMPARE(fit.verdict == FitVerdict::Cut, panel->isCut());
            ++checked;
        }
        QVERIFY(checked > 5);

        auto* box = window.findChild<QLineEdit*>(u"txt_item"_s);
        QVERIFY(box);
        int boxes = 0;
        for (const TextFit& fit : MeasureTextFits(state.lang)) {
            if (fit.place.use != TextUse::InBox)
                continue;
            // The box scrolls its text as it paints it.
            box->setText(fit.shown); // as dietlens shows it: the cursor at its end
            box->grab();
            const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
            box->setCursorPosition(0);
            box->grab();
            const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
            const int advance = box->fontMetrics().horizontalAdvance(fit.shown);
            QCOMPARE(fit.verdict == FitVerdict::Cut, end - start < advance - 1);
            ++boxes;
        }
        QCOMPARE(boxes, 2);
    }

    // A label of the settings dialog far longer than its English text: the
    // verdict says the dialog grows, to the width the real dialog built with
    // that text takes, or, where the screen is too small for that, that the
    // label is cut by what it lacks there; the English text fits.
    void aLongerLabelMakesTheSettingsDialogGrow()
    {
        AppState state;
        state.lang = tablesOf(Texts::English);
        const auto verdictOfTheLabel = [](const LanguageTables& tables) {
            for (const TextFit& fit : MeasureTextFits(tables))
                if (fit.place.slot == text::Settings::TotalReceivesTrafficInKilo &&
                    fit.place.use == TextUse::Caption)
                    return fit;
            return TextFit{};
        };
        QCOMPARE(verdictOfTheLabel(state.lang).verdict, FitVerdict::Fits);

        state.lang.set(
            text::Settings::TotalReceivesTrafficInKilo,
            u"Gesamtmenge der über das Internet empfangenen Daten in Kilobyte seit der ersten Anmeldung:"_s);
        const TextFit fit = verdictOfTheLabel(state.lang);
        QTemporaryDir dir;
        state.paths.LanguageFolder = dir.path() + u'/';
        Language language(state.lang);
        ScriptedMessenger messenger;
        DL_Properties dialog(state.settings, state.paths, language, messenger);
        dialog.setAttribute(Qt::WA_DontShowOnScreen);
        dialog.show();
        auto* label = dialog.findChild<QLabel*>(QLatin1String(fit.place.control));
        QVERIFY(label);
        OffscreenWindows::reveal(label); // its tab in front, as the user opens it
        if (fit.verdict == FitVerdict::Grows) {
            QCOMPARE(dialog.width(), fit.pixels);
            QVERIFY(dialog.width() > dialog.minimumWidth());
            QVERIFY(label->width() >= label->sizeHint().width());
        } else {
            QCOMPARE(fit.verdict, FitVerdict::Cut);
            QCOMPARE(label->sizeHint().width() - label->width(), fit.pixels);
        }
    }

    // Every caption of the dialogs, with the verdict checked against the real
    // dialog dietlens shows: with the English texts and this one translated
    // (where the verdict's numbers come from), and with all the language's
    // texts (where the others may take its room).
    void dialogCaptionsAgreeWithTheRealDialogs_data() { chartCaptionsAgreeWithTheChart_data(); }
    void dialogCaptionsAgreeWithTheRealDialogs()
    {
        QFETCH(Texts, language);
        const LanguageTables tables = tablesOf(language);
        const LanguageTables english = tablesOf(Texts::English);
        const OffscreenWindows inLanguage(tables);
        std::map<TextWindow, int> englishWidths;
        QStringList disagreements;
        int checked = 0;
        for (const TextFit& fit : MeasureTextFits(tables)) {
            if (fit.place.use != TextUse::Caption || fit.verdict == FitVerdict::NotMeasured)
                continue;
            const TextWindow kind = fit.place.window;
            if (!englishWidths.count(kind))
                englishWidths[kind] = OffscreenWindows(english, kind).window(kind)->width();
            LanguageTables translated = english;
            translated.set(fit.place.slot, tables.at(fit.place.slot));
            const OffscreenWindows alone(translated, kind);
            QWidget* control = alone.control(fit.place);
            QWidget* inFile = inLanguage.control(fit.place);
            QVERIFY(control && inFile);
            // A label that follows a setting ("Gram" or "oz") as the window
            // shows it when opened with the other setting.
            if (auto* label = qobject_cast<QLabel*>(control); label && label->text() != fit.shown) {
                for (QWidget* shown : {control, inFile}) {
                    static_cast<QLabel*>(shown)->setText(fit.shown);
                    OffscreenWindows::settleLayouts();
                    shown->window()->adjustSize();
                }
            }
            const Seen seen = seenIn(*control, fit.place.item);
            const Seen withTheOthers = seenIn(*inFile, fit.place.item);
            const int width = alone.window(kind)->width();
            const bool grew = width > englishWidths[kind];
            bool agrees = false;
            switch (fit.verdict) {
            case FitVerdict::Cut:
                agrees = !seen.whole || !withTheOthers.whole;
                if (!seen.whole && seen.spare != kUnknown)
                    agrees = agrees && -seen.spare == fit.pixels;
                break;
            case FitVerdict::Grows:
                agrees = seen.whole && withTheOthers.whole && grew && width == fit.pixels;
                break;
            case FitVerdict::Wraps:
                agrees = seen.whole && withTheOthers.whole && !grew && seen.lines == fit.pixels;
                break;
            case FitVerdict::Fits:
                agrees = seen.whole && withTheOthers.whole && !grew &&
                         (seen.spare == kUnknown || spareIs(*control, *alone.window(kind), fit.pixels));
                break;
            case FitVerdict::NotMeasured:
                break;
            }
            if (!agrees)
                disagreements << u"%1 (%2): \"%3\" %4; the dialog shows it %5 (%6 px to spare, %7 lines), "
                                 u"%8 px wide (English %9); with the other texts %10"_s.arg(
                                     QString::fromUtf8(fit.place.where), QLatin1String(fit.place.control),
                                     fit.shown, DescribeFit(fit), seen.whole ? u"whole"_s : u"cut"_s,
                                     QString::number(seen.spare), QString::number(seen.lines),
                                     QString::number(width), QString::number(englishWidths[kind]),
                                     withTheOthers.whole ? u"whole"_s : u"cut"_s);
            ++checked;
        }
        QVERIFY2(disagreements.isEmpty(), qPrintable(disagreements.join(u'\n')));
        QVERIFY(checked > 60);
    }
};

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"
