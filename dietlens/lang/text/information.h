#pragma once
// Written by scripts/textslots.py from the built-in texts; do not edit by hand.
// The texts of the information window: table 6, slot by slot, with the English text.
#include "lang/languagetables.h"

// clang-format off
namespace text::Information {

inline constexpr TextSlot MoreInformation{6, 0}; // "More information"
inline constexpr TextSlot AboutDietlens{6, 1}; // "About Dietlens:"
inline constexpr TextSlot AboutMenuviaFOOD{6, 2}; // "About Menuvia FOOD:"
inline constexpr TextSlot ProductDescription{6, 3}; // "Dietlens is a product of Quelmar. Dietlens uses the datab..."
inline constexpr TextSlot IfYouWantMoreDetails{6, 4}; // "If you want more details and information about nutrition,..."
inline constexpr TextSlot KeepTrackOfYourWeight{6, 5}; // "+ Keep track of your weight and consumption per day."
inline constexpr TextSlot SeeIfYouConsumeThe{6, 6}; // "+ See if you consume the recommended daily nutrition. "
inline constexpr TextSlot ViewDetailedGraphsOfYour{6, 7}; // "+ View detailed graphs of your consumption and weight loss."
inline constexpr TextSlot AccessInformationAboutMoreThan{6, 8}; // "+ Access information about more than 1700 food items."
inline constexpr TextSlot MakeYourOwnListsAnd{6, 9}; // "+ Make your own lists and personalise portions."
inline constexpr TextSlot VisitOurWebsiteForMore{6, 10}; // "Visit our website for more information about our products."
inline constexpr TextSlot EMPTY11{6, 11}; // "-EMPTY-"
inline constexpr TextSlot EMPTY12{6, 12}; // "-EMPTY-"
inline constexpr TextSlot EMPTY13{6, 13}; // "-EMPTY-"
inline constexpr TextSlot Website{6, 14}; // "Website"
inline constexpr TextSlot Cancel{6, 15}; // "Cancel"

} // namespace text::Information
// clang-format on
