#pragma once
// Whether the texts of a language fit where dietlens shows them, measured on
// dietlens's own windows, built offscreen with those texts, with the fonts,
// the layout and the screen scale it uses. Every text is joined as dietlens
// joins it, with the widest values it can meet (a weight of 1000 grams or its
// ounces, seven-digit values, 200 results).
//  - In a box of fixed size (the chart's captions and values, the search box,
//    the main window's controls and status panels) a text that is too wide is
//    cut: clipped, or scrolled out of the box.
//  - The dialogs lay themselves out: a text wider than the room the built-in
//    English texts leave makes the dialog grow; a label that wraps its text
//    takes as many lines as it needs.
// Tooltips, menus, titles and message boxes grow with their texts and are not
// measured.
#include "dietlens/lang/textplaces.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

class LanguageTables;
class OffscreenWindows;

enum class FitVerdict {
    Fits,       // `pixels` to spare
    Cut,        // cut off by `pixels`
    Grows,      // the window grows to `pixels` wide
    Wraps,      // the text takes `pixels` lines
    NotMeasured // a place that grows with its text
};

struct TextFit
{
    TextPlace place;
    QString shown; // the text as dietlens shows it there, at its widest
    FitVerdict verdict = FitVerdict::NotMeasured;
    int pixels = 0;

    // Shown whole: a dialog that grows for its text, or a label that wraps it,
    // still shows all of it.
    bool fits() const { return verdict != FitVerdict::Cut; }
};

// Every place of every slot of tables 1 to 7, in the order of the places table,
// or only the places of one slot. Needs a QApplication (the offscreen platform
// will do).
std::vector<TextFit> MeasureTextFits(const LanguageTables& tables, std::optional<TextSlot> only = {});

// dietlens's window as it shows the text of a place, with the place outlined:
// the part around the place, at most `most` pixels (the whole window when
// not valid); a null image for a place in no window (a message line, a menu).
QImage PictureOfPlace(const OffscreenWindows& windows, const TextFit& fit, QSize most = {});

// "fits, 24 px to spare", "cut by 12 px", "the dialog grows to 512 px",
// "wraps to 3 lines"; "" when not measured.
QString DescribeFit(const TextFit& fit);
