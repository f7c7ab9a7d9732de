#pragma once
#include <windows.h>

#include <cstdint>

// A colour number 0x00BBGGRR, or a system colour: the high bit set plus a COLOR_ index, resolved
// through the current system palette only when drawn. -1 (clNone) means "not set".
using TColor = int32_t;

namespace detail {
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(index)); }
}  // namespace detail

inline constexpr TColor clNone = -1;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

inline constexpr TColor clScrollBar = detail::SystemColor(COLOR_SCROLLBAR);
inline constexpr TColor clBackground = detail::SystemColor(COLOR_BACKGROUND);
inline constexpr TColor clActiveCaption = detail::SystemColor(COLOR_ACTIVECAPTION);
inline constexpr TColor clInactiveCaption = detail::SystemColor(COLOR_INACTIVECAPTION);
inline constexpr TColor clMenu = detail::SystemColor(COLOR_MENU);
inline constexpr TColor clWindow = detail::SystemColor(COLOR_WINDOW);
inline constexpr TColor clWindowFrame = detail::SystemColor(COLOR_WINDOWFRAME);
inline constexpr TColor clMenuText = detail::SystemColor(COLOR_MENUTEXT);
inline constexpr TColor clWindowText = detail::SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor clCaptionText = detail::SystemColor(COLOR_CAPTIONTEXT);
inline constexpr TColor clActiveBorder = detail::SystemColor(COLOR_ACTIVEBORDER);
inline constexpr TColor clInactiveBorder = detail::SystemColor(COLOR_INACTIVEBORDER);
inline constexpr TColor clAppWorkSpace = detail::SystemColor(COLOR_APPWORKSPACE);
inline constexpr TColor clHighlight = detail::SystemColor(COLOR_HIGHLIGHT);
inline constexpr TColor clHighlightText = detail::SystemColor(COLOR_HIGHLIGHTTEXT);
inline constexpr TColor clBtnFace = detail::SystemColor(COLOR_BTNFACE);
inline constexpr TColor clBtnShadow = detail::SystemColor(COLOR_BTNSHADOW);
inline constexpr TColor clGrayText = detail::SystemColor(COLOR_GRAYTEXT);
inline constexpr TColor clBtnText = detail::SystemColor(COLOR_BTNTEXT);
inline constexpr TColor clInactiveCaptionText = detail::SystemColor(COLOR_INACTIVECAPTIONTEXT);
inline constexpr TColor clBtnHighlight = detail::SystemColor(COLOR_BTNHIGHLIGHT);
inline constexpr TColor cl3DDkShadow = detail::SystemColor(COLOR_3DDKSHADOW);
inline constexpr TColor cl3DLight = detail::SystemColor(COLOR_3DLIGHT);
inline constexpr TColor clInfoText = detail::SystemColor(COLOR_INFOTEXT);
inline constexpr TColor clInfoBk = detail::SystemColor(COLOR_INFOBK);
inline constexpr TColor clHotLight = detail::SystemColor(COLOR_HOTLIGHT);
inline constexpr TColor clGradientActiveCaption = detail::SystemColor(COLOR_GRADIENTACTIVECAPTION);
inline constexpr TColor clGradientInactiveCaption = detail::SystemColor(COLOR_GRADIENTINACTIVECAPTION);
inline constexpr TColor clMenuHighlight = detail::SystemColor(COLOR_MENUHILIGHT);
inline constexpr TColor clMenuBar = detail::SystemColor(COLOR_MENUBAR);

// The real colour number of a colour: system colours resolved now, clNone left as it is.
TColor ColorToRGB(TColor color);

// The COLORREF to hand to GDI. clNone has no real colour; it becomes white so that a colour
// that was never set cannot turn into a palette index or an invalid value.
COLORREF ToColorRef(TColor color);
