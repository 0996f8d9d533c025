#pragma once
// Written by scripts/textslots.py from the built-in texts; do not edit by hand.
// The texts of the tray notice: table 4, slot by slot, with the English text.
#include "lang/languagetables.h"

// clang-format off
namespace text::TrayNotice {

inline constexpr TextSlot DietlensIsInYourSystem{4, 0}; // "Dietlens is in your system tray"
inline constexpr TextSlot DietlensIsStillActiveAnd{4, 1}; // "Dietlens is still active and has been placed in your syst..."
inline constexpr TextSlot AlwaysShowThisMessage{4, 2}; // "Always show this message."
inline constexpr TextSlot OK{4, 3}; // " OK "

} // namespace text::TrayNotice
// clang-format on
