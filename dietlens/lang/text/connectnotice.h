#pragma once
// Written by scripts/textslots.py from the built-in texts; do not edit by hand.
// The texts of the connect-first notice: table 3, slot by slot, with the English text.
#include "lang/languagetables.h"

// clang-format off
namespace text::ConnectNotice {

inline constexpr TextSlot MakeAConnectionFirst0{3, 0}; // "Make a connection first"
inline constexpr TextSlot DietlensIsNotConnectedTo{3, 1}; // "Dietlens is not connected to the server yet. Press the 'C..."
inline constexpr TextSlot MakeAConnectionFirst2{3, 2}; // "Make a connection first"
inline constexpr TextSlot AlwaysShowThisMessage{3, 3}; // "Always show this message."
inline constexpr TextSlot OK{3, 4}; // " OK "

} // namespace text::ConnectNotice
// clang-format on
