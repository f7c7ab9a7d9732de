#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ControlTypes.h"

// A keyboard shortcut: the virtual key in the low byte, modifier bits above it. 0 is "none".
using TShortCut = uint16_t;

inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// Only Shift, Ctrl and Alt of Shift count; a key above 0xFF gives scNone.
TShortCut ShortCut(WORD Key, TShiftState Shift);
void ShortCutToKey(TShortCut Value, WORD& Key, TShiftState& Shift);

// "Shift+Ctrl+Alt+Key" with modifiers in that order and fixed English key names ("Ctrl+S", "F1",
// "Shift+Del", "Num +"), so the text does not depend on the keyboard layout. Empty for scNone and
// for keys without a name.
std::string ShortCutToText(TShortCut Value);
// The reverse: modifiers in any order, letter case ignored; scNone when the text names no key.
TShortCut TextToShortCut(std::string_view Text);
