#pragma once
// The English texts the display code uses, for tests that run without a
// language file.
#include "dietlens/core/appstate.h"

inline void setDisplayTexts(LanguageTables& lang)
{
    lang.set(1, 45, QStringLiteral("Gram"));
    lang.set(1, 51, QStringLiteral("Default"));
    lang.set(1, 52, QStringLiteral("Exported with Dietlens"));
    lang.set(1, 76, QStringLiteral("oz "));
    lang.set(7, 7, QStringLiteral("An error occurred while opening the bookmark file."));
    lang.set(7, 8, QStringLiteral("An error occurred while saving the bookmark file."));
    lang.set(7, 21, QStringLiteral("Please contact Quelmar when this error occurs more then onces."));
    lang.set(7, 23, QStringLiteral("An error occurred while generating the bar chart."));
    lang.set(7, 24, QStringLiteral("Kilojoules per"));
    lang.set(7, 25, QStringLiteral("Kilojoules per"));
    lang.set(7, 26, QStringLiteral("Kilocalories per"));
    lang.set(7, 27, QStringLiteral("Saturated fat per"));
    lang.set(7, 28, QStringLiteral("Unsaturated fat per"));
    lang.set(7, 29, QStringLiteral("Sodium per"));
    lang.set(7, 30, QStringLiteral("Protein per"));
    lang.set(7, 31, QStringLiteral("Carbohydrates per"));
    lang.set(7, 32, QStringLiteral("Gram"));
    lang.set(7, 33, QStringLiteral("Kj "));
    lang.set(7, 34, QStringLiteral("Kj "));
    lang.set(7, 35, QStringLiteral("Kcal"));
    lang.set(7, 36, QStringLiteral("Gr."));
    lang.set(7, 37, QStringLiteral("An error occurred during the calculations of Menuvia FOOD."));
    lang.set(7, 38, QStringLiteral("Please notify us about this error."));
    lang.set(7, 39, QStringLiteral("Contact the maker."));
    lang.set(7, 40, QStringLiteral("oz "));
}
