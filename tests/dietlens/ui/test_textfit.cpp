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
#include "tests/support/scriptedmessenger.h"
#include "widgets/statuspanel.h"
#include "widgets/twips.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

enum class Texts { English, Dutch, LongGerman };

LanguageTables tablesOf(Texts language)
{
    LanguageTables tables;
    const ServerHosts hosts = ServerHosts::configured();
    if (language == Texts::English)
        CreateEnglishLanguage(tables, hosts);
    else
        CreateDutchLanguage(tables, hosts);
    if (language == Texts::LongGerman) {
        namespace F = text::Functions;
        tables.set(F::KilocaloriesPer, u"Kilokalorien pro"_s);
        tables.set(F::SaturatedFatPer, u"Gesättigte Fettsäuren pro"_s);
        tables.set(F::UnsaturatedFatPer, u"Ungesättigte Fettsäuren pro"_s);
        tables.set(F::SodiumPer, u"Natrium pro"_s);
        tables.set(F::ProteinPer, u"Eiweiß pro"_s);
        tables.set(F::CarbohydratesPer, u"Kohlenhydrate pro"_s);
        tables.set(F::Gram, u"Gramm"_s);
    }
    return tables;
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
    }
    void chartCaptionsAgreeWithTheChart()
    {
        QFETCH(Texts, language);
        const LanguageTables tables = tablesOf(language);
        Settings settings;
        settings.WeightUnit = u"0"_s;
        settings.EnergyUnit = u"1"_s;
        ScriptedMessenger messenger;
        NutritionChartView chart;
        QCOMPARE(chart.draw(NutritionValues{400, 96, 1, 1, 20, 3, 0.1f}, 1000, settings, tables, messenger),
                 ChartDrawing::Drawn);
        const std::vector<TextFit> fits = MeasureTextFits(tables);
        const QFontMetricsF metrics(chart.font());
        int cut = 0;
        for (std::size_t bar = 0; bar < NutritionChart::kBarCount; ++bar) {
            const QString caption = chart.chart().captionTexts[bar];
            const qreal room = TwipsF(qreal(chart.chart().captions[bar].width));
            const qreal needed = metrics.horizontalAdvance(caption);
            const auto fit = std::find_if(fits.begin(), fits.end(), [&](const TextFit& f) {
                return f.place.use == TextUse::ChartCaption && f.place.item == int(bar) && f.shown == caption;
            });
            QVERIFY2(fit != fits.end(), qPrintable(caption)); // the table joins the caption as the chart does
            if (needed > room) {
                ++cut;
                QCOMPARE(fit->verdict, FitVerdict::Cut);
                QCOMPARE(fit->pixels, int(std::ceil(needed - room)));
            } else {
                QCOMPARE(fit->verdict, FitVerdict::Fits);
                QCOMPARE(fit->pixels, int(std::floor(room - needed)));
            }
        }
        if (language == Texts::LongGerman)
            QVERIFY(cut > 0); // "Ungesättigte Fettsäuren pro 1000 Gramm" does not fit

        // The widest values, 1000 g of a food that is all fat, protein or
        // carbohydrate, are drawn whole behind their bars.
        QCOMPARE(
            chart.draw(NutritionValues{3700, 900, 100, 100, 100, 100, 39}, 1000, settings, tables, messenger),
            ChartDrawing::Drawn);
        for (std::size_t bar : {SaturatedFatBar, UnsaturatedFatBar, ProteinBar, CarbohydratesBar}) {
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
                if (fit.place.slot.table == 5 && fit.place.slot.index == 17 &&
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

    void aLongerCaptionIsReportedCut()
    {
        LanguageTables tables = tablesOf(Texts::Dutch);
        tables.set(text::Functions::UnsaturatedFatPer,
                   u"Onverzadigde en meervoudig onverzadigde vetten per"_s);
        const std::vector<TextFit> fits = MeasureTextFits(tables);
        const auto fit = std::find_if(fits.begin(), fits.end(), [](const TextFit& f) {
            return f.place.slot.table == 7 && f.place.slot.index == 28 &&
                   f.place.use == TextUse::ChartCaption;
        });
        QVERIFY(fit != fits.end());
        QCOMPARE(fit->verdict, FitVerdict::Cut);
        QVERIFY(DescribeFit(*fit).startsWith(u"cut by "_s));
    }
};

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"
