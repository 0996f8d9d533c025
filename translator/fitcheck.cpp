#include "translator/fitcheck.h"

#include "dietlens/ui/offscreenwindows.h"
#include "dietlens/ui/textfit.h"
#include "lang/languagefile.h"
#include "lang/languagetables.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QTextStream>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

translator::DietlensPlaces DietlensFitsOf(const LanguageTables& tables, int form, int index)
{
    if (PlacesOf(TextSlot{form, index}).empty())
        return {};
    QStringList lines;
    std::vector<TextFit> shown; // the places in a window, those that do not fit first
    for (const TextFit& fit : MeasureTextFits(tables, TextSlot{form, index})) {
        if (fit.place.use == TextUse::NotShown) {
            lines << QStringLiteral("dietlens does not show this text.");
            continue;
        }
        QString line = QString::fromUtf8(fit.place.where);
        if (fit.shown != tables.at(fit.place.slot))
            line += QStringLiteral(", as \"") + fit.shown + QLatin1Char('"');
        if (const QString verdict = DescribeFit(fit); !verdict.isEmpty())
            line += (fit.fits() ? QStringLiteral(": ") : QStringLiteral(": \u26A0 ")) + verdict;
        lines << line;
        if (fit.place.control[0] != '\0')
            shown.push_back(fit);
    }
    std::stable_partition(shown.begin(), shown.end(), [](const TextFit& fit) { return !fit.fits(); });
    // The picture: the first place drawn in a window (a menu item is none).
    if (shown.empty())
        return {lines, QImage()};
    // Only the windows of the places tried are built.
    std::map<TextWindow, std::unique_ptr<OffscreenWindows>> built;
    for (const TextFit& fit : shown) {
        std::unique_ptr<OffscreenWindows>& windows = built[fit.place.window];
        if (!windows)
            windows = std::make_unique<OffscreenWindows>(tables, fit.place.window);
        if (QImage picture = PictureOfPlace(*windows, fit, QSize(400, 180)); !picture.isNull())
            return {lines, picture};
    }
    return {lines, QImage()};
}

QHash<QPair<int, int>, QString> DietlensCutsOf(const LanguageTables& tables)
{
    QHash<QPair<int, int>, QString> cuts;
    for (const TextFit& fit : MeasureTextFits(tables)) {
        if (fit.fits())
            continue;
        QString& line = cuts[{fit.place.slot.table, fit.place.slot.index}];
        line += (line.isEmpty() ? QStringLiteral("Does not fit in dietlens: ") : QStringLiteral("; ")) +
                QString::fromUtf8(fit.place.where) + QStringLiteral(": ") + DescribeFit(fit);
    }
    return cuts;
}

int CheckTextsFit(const QString& path, QTextStream& out)
{
    LanguageTables tables;
    const Result<bool, LanguageFileProblem> loaded = LoadLanguageFile(tables, path);
    if (!loaded.ok() || !loaded.value) { // a missing file reads as nothing
        out << "translator: " << path << " could not be read as a language file\n";
        return 2;
    }
    // What the verdicts depend on: a dialog may grow to two thirds of the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QFont font = QGuiApplication::font();
    out << "Measured at " << font.family() << ' ' << font.pointSizeF() << " pt, scale "
        << (screen ? screen->devicePixelRatio() : 1.0) << ", on a screen of "
        << (screen ? screen->size().width() : 0) << " x " << (screen ? screen->size().height() : 0)
        << " px\n";
    int cut = 0, grows = 0;
    for (const TextFit& fit : MeasureTextFits(tables)) {
        if (fit.verdict != FitVerdict::Cut && fit.verdict != FitVerdict::Grows)
            continue;
        if (fit.verdict == FitVerdict::Cut)
            ++cut;
        else
            ++grows;
        out << QStringLiteral("F%1 %2")
                   .arg(fit.place.slot.table, 2, 10, QLatin1Char('0'))
                   .arg(fit.place.slot.index)
            << ": " << QString::fromUtf8(fit.place.where) << " (" << QString::fromLatin1(fit.place.control)
            << "): \"" << fit.shown << "\" " << DescribeFit(fit) << '\n';
    }
    out << path << ": "
        << (cut + grows == 0 ? QStringLiteral("every measured text fits")
                             : QStringLiteral("%1 cut, %2 make a window grow").arg(cut).arg(grows))
        << '\n';
    return cut == 0 ? 0 : 1;
}
