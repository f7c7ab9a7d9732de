#pragma once
#include <windows.h>

#include <functional>
#include <utility>

#include "Set.h"
#include "TypeInfo.h"

class TObject;

// Where a control sits in its parent: glued to one side, filling what is left, or placed freely.
VEXA_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)

// The parent's edges a freely placed control keeps its distance to when the parent is resized.
VEXA_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
VEXA_SET(TAnchors, TAnchorKind)

VEXA_ENUM(TBiDiMode, bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly)

VEXA_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)

// Horizontal placement of a caption (beside a check box, in a panel, a list column, a label).
VEXA_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)

// Caption alignment mirrored for a right-to-left reading order (taCenter stays).
inline TAlignment MirroredAlignment(TAlignment Value) {
  if (Value == taLeftJustify) return taRightJustify;
  if (Value == taRightJustify) return taLeftJustify;
  return Value;
}

// Where a button's glyph sits relative to its caption.
VEXA_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)

// Which scroll bars a control may show.
VEXA_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

VEXA_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
VEXA_SET(TShiftState, TShiftStateItem)

// Behaviour switches of a control class, set by its constructor.
enum TControlStyleItem {
  csCaptureMouse,   // keeps the mouse while a button is held down on it
  csClickEvents,    // a left button press and release on it is a Click
  csDoubleClicks,   // a double click is a DblClick
  csAcceptsControls,
};
using TControlStyle = TSet<TControlStyleItem>;

// Mouse pointer shapes: crDefault leaves the choice to the parent and the platform.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
// Setting Key to 0 consumes the key.
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;

// The shift state of a key message (read from the keyboard now) and of a mouse message (from its
// WParam).
TShiftState KeyboardShiftState();
TShiftState MouseShiftState(WPARAM Flags);

// Runs an event handler from a copy, so a handler that replaces itself, or frees the object whose
// member it is, is not destroyed while it runs.
template <class Event, class... Args>
void CallEvent(const Event& Handler, Args&&... Arguments) {
  if (!Handler) return;
  Event copy = Handler;
  copy(std::forward<Args>(Arguments)...);
}
