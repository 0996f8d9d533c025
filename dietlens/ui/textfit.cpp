#include "dietlens/ui/textfit.h"

#include "dietlens/display/nutritionchart.h"
#include "dietlens/lang/defaultlanguages.h"
#include "dietlens/lang/text/functions.h"
#include "dietlens/lang/text/main.h"
#include "dietlens/ui/nutritionchartview.h"
#include "dietlens/ui/offscreenwindows.h"
#include "widgets/statuspanel.h"
#include "widgets/twips.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>

#include <algorithm>
#include <cmath>

namespace {

// What a join's units are: the weight in ounces beside an ounce unit, the
// energy in kilocalories beside its unit.
struct JoinUnits
{
    bool ounces = false;
    bool kilocalories = false;

    void note(TextSlot slot)
    {
        ounces = ounces || slot == text::Functions::Oz || slot == text::Main::Oz;
        kilocalories = kilocalories || slot == text::Functions::Kcal;
    }
};

// The widest value dietlens puts in place of a filler. Weights: the slider's
// heaviest, in grams or in ounces as the chart writes them.
QString fillerValue(std::string_view name, JoinUnits units, int bar)
{
    if (name == "weight")
        return units.ounces ? QStringLiteral("35.3") : QStringLiteral("1000");
    // 1000 g of the richest foods: pure fat's 3,700 kJ (900 kcal) per 100 g;
    // 100 g of a nutrient per 100 g.
    if (name == "number")
        return bar != 0 ? QStringLiteral("1000.00")
                        : (units.kilocalories ? QStringLiteral("9000") : QStringLiteral("37000"));
    if (name == "count")
        return QStringLiteral("200");
    if (name == "term")
        return QStringLiteral("appelmoes met kaneel");
    if (name == "name")
        return QStringLiteral("Apples, raw, with skin, without core");
    if (name == "program")
        return QStringLiteral("Dietlens");
    if (name == "shortcut")
        return QStringLiteral("Ctrl+1");
    return QStringLiteral("/home/user/.local/share/Dietlens");
}

// Every text dietlens can show at a place, joined as dietlens joins it: one
// for each slot a choice offers ({Functions::Gram|Functions::Oz}), the values
// in the units beside them.
QStringList joins(const TextPlace& place, const LanguageTables& tables)
{
    const std::optional<std::vector<ShownAsPiece>> pieces = ShownAsPieces(place.shownAs);
    if (!pieces || pieces->empty())
        return {tables.at(place.slot)};
    std::size_t choices = 1;
    for (const ShownAsPiece& piece : *pieces)
        if (const std::optional<std::vector<TextSlot>> slots =
                piece.filler ? FillerSlots(piece.text) : std::nullopt)
            choices = std::max(choices, slots->size());
    QStringList texts;
    for (std::size_t choice = 0; choice < choices; ++choice) {
        // The slots this join shows, then the values beside them.
        JoinUnits units;
        units.note(place.slot);
        std::vector<std::optional<TextSlot>> chosen;
        for (const ShownAsPiece& piece : *pieces) {
            const std::optional<std::vector<TextSlot>> slots =
                piece.filler && piece.text != "text" ? FillerSlots(piece.text) : std::nullopt;
            chosen.push_back(slots && !slots->empty()
                                 ? std::optional((*slots)[std::min(choice, slots->size() - 1)])
                                 : std::nullopt);
            if (chosen.back())
                units.note(*chosen.back());
        }
        QString text;
        for (std::size_t i = 0; i < pieces->size(); ++i) {
            const ShownAsPiece& piece = (*pieces)[i];
            if (!piece.filler)
                text += QString::fromUtf8(piece.text.data(), qsizetype(piece.text.size()));
            else if (piece.text == "text")
                text += tables.at(place.slot);
            else if (chosen[i])
                text += tables.at(*chosen[i]);
            else
                text += fillerValue(piece.text, units, place.item);
        }
        if (!texts.contains(text))
            texts << text;
    }
    return texts;
}

TextFit inBox(TextFit fit, qreal room, qreal needed)
{
    if (needed <= room) {
        fit.verdict = FitVerdict::Fits;
        fit.pixels = int(std::floor(room - needed));
    } else {
        fit.verdict = FitVerdict::Cut;
        fit.pixels = int(std::ceil(needed - room));
    }
    return fit;
}

// The width a line edit gives its text, as QLineEdit lays it out: the
// style's contents rectangle less the text margins and two pixels a side.
qreal lineEditRoom(const QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.rect = box.contentsRect();
    option.lineWidth =
        box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    const QMargins margins = box.textMargins();
    return qreal(contents.width() - margins.left() - margins.right() - 2 * 2);
}

// A label's room for one line of text.
qreal labelRoom(const QLabel& label)
{
    return qreal(label.contentsRect().width() - 2 * label.margin() - std::max(0, label.indent()));
}

bool holds(const QLayout& layout, const QWidget& control)
{
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == &control || (item->layout() && holds(*item->layout(), control)))
            return true;
    }
    return false;
}

// Placed by a layout, which gives it the room its text asks for.
bool laidOut(const QWidget& control)
{
    const QWidget* parent = control.parentWidget();
    return parent && parent->layout() && holds(*parent->layout(), control);
}

// The caption of a control, or of one tab of a tab bar.
QString captionOf(const QWidget& control, int item)
{
    if (const auto* tabs = qobject_cast<const QTabBar*>(&control))
        return tabs->tabText(item);
    if (const auto* box = qobject_cast<const QGroupBox*>(&control))
        return box->title();
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    return {};
}

void setCaption(QWidget& control, int item, const QString& text)
{
    if (auto* tabs = qobject_cast<QTabBar*>(&control))
        tabs->setTabText(item, text);
    else if (auto* box = qobject_cast<QGroupBox*>(&control))
        box->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(&control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(&control))
        button->setText(text);
}

// The width a control asks for to show its text whole: a group box's title
// with the frame around it (as QGroupBox asks for it, leaving out what its
// contents ask for); all the tabs of a tab bar.
int neededWidth(const QWidget& control)
{
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QFontMetrics metrics = box->fontMetrics();
        const QSize title(metrics.horizontalAdvance(box->title()) +
                              metrics.horizontalAdvance(QLatin1Char(' ')),
                          metrics.height());
        return box->style()->sizeFromContents(QStyle::CT_GroupBox, &option, title, box).width();
    }
    return control.sizeHint().width();
}

// Gives a control a caption and lets its window lay itself out again, sized
// as a window is when it is first shown.
void recaption(QWidget& control, int item, const QString& text)
{
    setCaption(control, item, text);
    OffscreenWindows::settleLayouts();
    control.window()->adjustSize();
}

bool captioned(const QWidget* control, int item)
{
    if (const auto* tabs = qobject_cast<const QTabBar*>(control))
        return item >= 0 && item < tabs->count();
    return item < 0 &&
           (qobject_cast<const QLabel*>(control) || qobject_cast<const QAbstractButton*>(control) ||
            qobject_cast<const QGroupBox*>(control));
}

// How a caption shows in its control as the window stands: whole with room
// to spare, cut, or wrapped to a number of lines (a label that wraps it).
TextFit seenIn(TextFit fit, const QWidget& control)
{
    const auto* label = qobject_cast<const QLabel*>(&control);
    if (!label || !label->wordWrap())
        return inBox(fit, control.width(), neededWidth(control));
    const int lineHeight = std::max(1, label->fontMetrics().lineSpacing());
    const int height = label->heightForWidth(label->width());
    if (label->height() < height) { // held to a height too small
        fit.verdict = FitVerdict::Cut;
        fit.pixels = height - label->height();
        return fit;
    }
    fit.verdict = FitVerdict::Wraps;
    fit.pixels = std::max(1, int(std::lround(qreal(height) / lineHeight)));
    if (fit.pixels <= 1)
        fit = inBox(fit, labelRoom(*label), label->fontMetrics().horizontalAdvance(fit.shown));
    return fit;
}

// How much wider a laid-out control can become in its window, `room` wide,
// before the window grows or, where it cannot grow (held to its size or to two
// thirds of the screen), before the control is cut: found by making the
// control far wider and asking the window's layout what the others then wish
// for and make do with. None for a control of fixed width.
int roomToWiden(QWidget& control, QWidget& window, int room)
{
    if (control.minimumWidth() == control.maximumWidth())
        return 0;
    constexpr int kFarWider = 4096;
    const int minimum = control.minimumWidth();
    const int width = control.width();
    control.setMinimumWidth(width + kFarWider);
    OffscreenWindows::settleLayouts();
    const int othersWish = window.sizeHint().width() - kFarWider - width;
    const int othersNeed = window.minimumSizeHint().width() - kFarWider - width;
    window.adjustSize();
    const bool grows = window.width() > room;
    control.setMinimumWidth(minimum);
    OffscreenWindows::settleLayouts();
    return std::max(0, room - (grows ? othersWish : othersNeed) - width);
}

// A caption in a window that lays itself out: does this text alone make the
// window wider than the English texts do? Tried in the window holding the
// English texts, sized as Qt sizes a window when it is first shown (its
// layout's wish, within two thirds of the screen). Then, in the window with
// all the language's texts, the others may have taken the room it needs.
TextFit laidOutFit(TextFit fit, QWidget& inLanguage, const OffscreenWindows& english)
{
    QWidget* designed = english.control(fit.place);
    QWidget* window = english.window(fit.place.window);
    if (!designed || !window)
        return fit;
    const int room = window->width();
    const int item = fit.place.item;
    const QString before = captionOf(*designed, item);
    recaption(*designed, item, fit.shown);
    const int grownTo = window->width();
    fit = seenIn(fit, *designed);
    if (fit.verdict == FitVerdict::Fits && grownTo <= room)
        fit.pixels += roomToWiden(*designed, *window, room);
    recaption(*designed, item, before);
    if (fit.verdict != FitVerdict::Cut && grownTo > room) {
        fit.verdict = FitVerdict::Grows;
        fit.pixels = grownTo;
    }
    // A caption that follows a setting ("Gram" or "oz") shows this text when
    // the window is opened with that setting.
    const QString shownThere = captionOf(inLanguage, item);
    if (shownThere != fit.shown)
        recaption(inLanguage, item, fit.shown);
    const TextFit withTheOthers = seenIn(fit, inLanguage);
    if (shownThere != fit.shown)
        recaption(inLanguage, item, shownThere);
    if (fit.verdict != FitVerdict::Cut && withTheOthers.verdict == FitVerdict::Cut)
        return withTheOthers;
    return fit;
}

} // namespace

std::vector<TextFit> MeasureTextFits(const LanguageTables& tables, std::optional<TextSlot> only)
{
    LanguageTables english;
    CreateEnglishLanguage(english, ServerHosts::configured());
    // One slot's places mostly lie in one window: only that one is built.
    std::optional<TextWindow> inWindow;
    if (const std::vector<TextPlace> places = only ? PlacesOf(*only) : std::vector<TextPlace>{};
        !places.empty() && std::all_of(places.begin(), places.end(), [&](const TextPlace& place) {
            return place.window == places.front().window;
        }))
        inWindow = places.front().window;
    const OffscreenWindows windows(tables, inWindow);
    const OffscreenWindows reference(english, inWindow);
    const QWidget* main = windows.window(TextWindow::Main);
    const auto* chart = main ? main->findChild<NutritionChartView*>(QStringLiteral("Pic_grafiek")) : nullptr;
    const NutritionChart boxes;

    std::vector<TextFit> fits;
    for (const TextPlace& place : TextPlaces()) {
        if (only && place.slot != *only)
            continue;
        const QStringList shown = joins(place, tables);
        TextFit fit{place, shown.front()};
        // One line in a box: the widest of the joins decides.
        const auto oneLine = [&](const QFont& font, qreal room) {
            const QFontMetricsF metrics(font);
            const auto measured = [&](const QString& text) {
                return inBox(TextFit{place, text}, room, metrics.horizontalAdvance(text));
            };
            const auto spare = [](const TextFit& f) {
                return f.verdict == FitVerdict::Fits ? f.pixels : -f.pixels;
            };
            TextFit widest = measured(shown.front());
            for (const QString& text : shown)
                if (const TextFit each = measured(text); spare(each) < spare(widest))
                    widest = each;
            return widest;
        };
        const bool bar = place.item >= 0 && size_t(place.item) < NutritionChart::kBarCount;
        QWidget* control = windows.control(place);
        if (place.use == TextUse::ChartCaption && chart && bar) {
            fit = oneLine(chart->font(), TwipsF(qreal(boxes.captions[size_t(place.item)].width)));
        } else if (place.use == TextUse::ChartValue && chart && bar) {
            fit = oneLine(chart->font(), TwipsF(qreal(boxes.valueRoom())));
        } else if (place.use == TextUse::InBox && qobject_cast<QLineEdit*>(control)) {
            const auto* box = static_cast<QLineEdit*>(control);
            fit = oneLine(box->font(), lineEditRoom(*box));
        } else if (place.use == TextUse::StatusPanel && qobject_cast<StatusPanel*>(control)) {
            const auto* panel = static_cast<StatusPanel*>(control);
            fit = oneLine(panel->font(), panel->textRoom());
        } else if (place.use == TextUse::Caption && place.shownAs[0] == '\0' &&
                   captioned(control, place.item)) {
            fit = laidOut(*control) ? laidOutFit(fit, *control, reference) : seenIn(fit, *control);
        }
        fits.push_back(fit);
    }
    return fits;
}

QImage PictureOfPlace(const OffscreenWindows& windows, const TextFit& fit, QSize most)
{
    QWidget* window =
        windows.window(fit.place.window == TextWindow::Tray ? TextWindow::Main : fit.place.window);
    QWidget* control = windows.control(fit.place);
    if (!window || !control)
        return {};
    QRect outline(control->mapTo(window, QPoint(0, 0)), control->size());
    if (auto* chart = qobject_cast<NutritionChartView*>(control)) {
        // The chart with the heaviest weight of a rich food, as the texts are
        // measured, in the units whose texts the place shows.
        const bool bar = fit.place.item >= 0 && size_t(fit.place.item) < NutritionChart::kBarCount;
        const auto showsThePlace = [&] {
            const NutritionChart& drawn = chart->chart();
            const auto i = size_t(fit.place.item);
            if (fit.place.use == TextUse::ChartValue) // the unit after the number
                return drawn.bars[i].labelText.section(QLatin1Char(' '), 1) ==
                       fit.shown.section(QLatin1Char(' '), 1);
            return drawn.captionTexts[i] == fit.shown;
        };
        Settings settings;
        bool inItsUnits = false;
        for (const char* weightUnit : {"0", "1"}) {
            for (const char* energyUnit : {"0", "1", ""}) {
                if (inItsUnits)
                    break;
                settings.WeightUnit = QLatin1String(weightUnit);
                settings.EnergyUnit = QLatin1String(energyUnit);
                chart->draw(NutritionValues{3700, 900, 100, 100, 100, 100, 39}, 1000, settings,
                            windows.tables(), windows.messenger());
                inItsUnits = !bar || showsThePlace();
            }
        }
        if (bar) {
            const NutritionChart& drawn = chart->chart();
            const TwipRect box = fit.place.use == TextUse::ChartValue
                                     ? drawn.bars[size_t(fit.place.item)].label
                                     : drawn.captions[size_t(fit.place.item)];
            outline = TwipsRectF(qreal(box.left), qreal(box.top), qreal(box.width), qreal(box.height))
                          .toAlignedRect()
                          .translated(outline.topLeft());
        }
    } else if (auto* box = qobject_cast<QLineEdit*>(control); box && fit.place.use == TextUse::InBox) {
        box->setText(fit.shown);
        box->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(control); label && fit.place.use == TextUse::StatusPanel) {
        label->setText(fit.shown);
    } else if (fit.place.use == TextUse::Caption && captionOf(*control, fit.place.item) != fit.shown) {
        // A caption that follows a setting ("Gram" or "oz"), as it shows then.
        recaption(*control, fit.place.item, fit.shown);
        outline = QRect(control->mapTo(window, QPoint(0, 0)), control->size());
    }
    QImage picture = window->grab().toImage();
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(220, 0, 0), 2));
    // The image keeps the screen's scale, so the painter works in the window's pixels.
    painter.drawRect(outline.adjusted(-2, -2, 1, 1));
    painter.end();
    if (!most.isValid())
        return picture;
    // The part around the place, kept inside the window.
    const QSize whole = window->size();
    QRect part(QPoint(0, 0), most.boundedTo(whole));
    part.moveCenter(outline.center());
    part.moveLeft(std::clamp(part.left(), 0, whole.width() - part.width()));
    part.moveTop(std::clamp(part.top(), 0, whole.height() - part.height()));
    const qreal ratio = picture.devicePixelRatio();
    QImage cut = picture.copy(
        QRect((QPointF(part.topLeft()) * ratio).toPoint(), (QSizeF(part.size()) * ratio).toSize()));
    cut.setDevicePixelRatio(ratio);
    return cut;
}

QString DescribeFit(const TextFit& fit)
{
    switch (fit.verdict) {
    case FitVerdict::Fits:
        return QStringLiteral("fits, %1 px to spare").arg(fit.pixels);
    case FitVerdict::Cut:
        // The status bar ends a cut text in "…" and shows it whole as a tooltip.
        return fit.place.use == TextUse::StatusPanel
                   ? QStringLiteral("cut by %1 px (ends in \u201C\u2026\u201D, whole as a tooltip)")
                         .arg(fit.pixels)
                   : QStringLiteral("cut by %1 px").arg(fit.pixels);
    case FitVerdict::Grows:
        return QStringLiteral("the dialog grows to %1 px").arg(fit.pixels);
    case FitVerdict::Wraps:
        return QStringLiteral("wraps to %1 lines").arg(fit.pixels);
    case FitVerdict::NotMeasured:
        break;
    }
    return {};
}
