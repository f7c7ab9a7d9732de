#pragma once
#include <functional>

#include "Set.h"
#include "TypeInfo.h"

class TObject;

VEXA_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)

// The border of a control that has one (edits, panels): the two first values of a form's border.
enum class TBorderStyle { bsNone, bsSingle };
VEXA_ENUM_TYPEINFO(TBorderStyle, bsNone, bsSingle)

VEXA_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
VEXA_SET(TBorderIcons, TBorderIcon)

VEXA_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)

// Where a form appears when it is first shown.
VEXA_ENUM(TPosition, poDesigned, poDefault, poScreenCenter, poMainFormCenter)

// What closing a form does with it.
enum TCloseAction { caNone, caHide, caFree, caMinimize };

// The answer of a modal form; the platform's dialog results.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;
inline constexpr TModalResult mrNoToAll = 9;
inline constexpr TModalResult mrYesToAll = 10;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
