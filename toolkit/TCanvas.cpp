#include "TCanvas.h"

#include <algorithm>

#include "DcSelection.h"
#include "MemoryDC.h"
#include "PixelBlt.h"
#include "TBitmap.h"
#include "TextEncoding.h"

namespace {

// The canvas's stretch mode for one copy; the DC's own mode and brush origin come back afterwards.
class StretchModeScope {
public:
  StretchModeScope(HDC dc, TStretchMode mode) : FDC(dc) {
    FOldMode = SetStretchBltMode(dc, mode == smHalftone ? HALFTONE : COLORONCOLOR);
    // The platform asks for the brush origin to be set again after choosing halftone.
    if (mode == smHalftone) FOriginSet = SetBrushOrgEx(dc, 0, 0, &FOldOrigin) != 0;
  }
  ~StretchModeScope() {
    if (FOriginSet) SetBrushOrgEx(FDC, FOldOrigin.x, FOldOrigin.y, nullptr);
    if (FOldMode) SetStretchBltMode(FDC, FOldMode);
  }
  StretchModeScope(const StretchModeScope&) = delete;
  StretchModeScope& operator=(const StretchModeScope&) = delete;

private:
  HDC FDC;
  int FOldMode = 0;
  POINT FOldOrigin{};
  bool FOriginSet = false;
};

// Font, text colour and background for one text call, all restored on exit.
class TextScope {
public:
  TextScope(HDC dc, const TFont& font, const TBrush& brush)
      : FDC(dc), FFont(dc, font.Handle()) {
    FOldColor = SetTextColor(dc, ToColorRef(font.Color()));
    FOldMode = SetBkMode(dc, brush.Style() == bsClear ? TRANSPARENT : OPAQUE);
    FOldBack = SetBkColor(dc, ToColorRef(brush.Color()));
  }
  ~TextScope() {
    SetBkColor(FDC, FOldBack);
    SetBkMode(FDC, FOldMode);
    SetTextColor(FDC, FOldColor);
  }
  TextScope(const TextScope&) = delete;
  TextScope& operator=(const TextScope&) = delete;

private:
  HDC FDC;
  DcSelection FFont;
  COLORREF FOldColor;
  int FOldMode;
  COLORREF FOldBack;
};

TSize Extent(HDC dc, const TFont& font, const std::wstring& text) {
  if (!dc) return {};
  DcSelection selection(dc, font.Handle());
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return TSize{size.cx, size.cy};
}

}  // namespace

TColor TCanvas::Pixels(int x, int y) const {
  if (!FHandle) return clNone;
  COLORREF c = GetPixel(FHandle, x, y);
  return c == CLR_INVALID ? clNone : static_cast<TColor>(c);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  if (!FHandle || color == clNone) return;
  SetPixelV(FHandle, x, y, ToColorRef(color));  // GDI clips positions outside
}

void TCanvas::CopyFromDC(const TRect& dest, HDC source, const TRect& sourceRect) {
  if (!FHandle || !source) return;
  StretchModeScope mode(FHandle, FStretchMode);
  StretchBlt(FHandle, dest.Left, dest.Top, dest.Width(), dest.Height(), source, sourceRect.Left, sourceRect.Top,
             sourceRect.Width(), sourceRect.Height(), SRCCOPY);
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect) {
  CopyFromDC(dest, source.Handle(), sourceRect);
}

void TCanvas::CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect) {
  if (!FHandle) return;
  if (!dest.IsEmpty() && dest.Width() == sourceRect.Width() && dest.Height() == sourceRect.Height()) {
    BlitPixels(FHandle, dest.Left, dest.Top, source, sourceRect, false, 0);
    return;
  }
  CopyFromDC(dest, source.SourceDC(), sourceRect);
}

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  StretchDraw(TRect{x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

void TCanvas::StretchDraw(const TRect& dest, const TBitmap& bitmap) {
  if (!FHandle || bitmap.Empty() || dest.IsEmpty()) return;
  const int w = bitmap.Width(), h = bitmap.Height();
  const TColor keyColor = bitmap.Transparent() ? bitmap.TransparentColor() : clNone;
  const bool keyed = keyColor != clNone;
  const COLORREF key = keyed ? ToColorRef(keyColor) : 0;
  if (dest.Width() == w && dest.Height() == h) {
    BlitPixels(FHandle, dest.Left, dest.Top, bitmap, TRect{0, 0, w, h}, keyed, key);
    return;
  }
  if (keyed && CanBlitToMemory(FHandle)) {
    // Scale first (the canvas's stretch mode, like every other stretch), then leave the key out
    // over memory: the same pixels as TransparentBlt without its per-call masks.
    TBitmap stretched(dest.Width(), dest.Height());
    {
      MemoryDC scratch;
      DcSelection selection(scratch.Get(), stretched.Handle());
      StretchModeScope mode(scratch.Get(), FStretchMode);
      StretchBlt(scratch.Get(), 0, 0, dest.Width(), dest.Height(), bitmap.SourceDC(), 0, 0, w, h, SRCCOPY);
    }
    BlitPixels(FHandle, dest.Left, dest.Top, stretched, TRect{0, 0, dest.Width(), dest.Height()}, true, key);
    return;
  }
  HDC source = bitmap.SourceDC();
  StretchModeScope mode(FHandle, FStretchMode);
  if (keyed)
    TransparentBlt(FHandle, dest.Left, dest.Top, dest.Width(), dest.Height(), source, 0, 0, w, h, key);
  else
    StretchBlt(FHandle, dest.Left, dest.Top, dest.Width(), dest.Height(), source, 0, 0, w, h, SRCCOPY);
}

void TCanvas::FillRect(const TRect& rect) {
  if (!FHandle || FBrush.Style() == bsClear) return;
  RECT r = rect.ToRECT();
  ::FillRect(FHandle, &r, FBrush.Handle());
}

void TCanvas::FrameRect(const TRect& rect) {
  if (!FHandle || FBrush.Style() == bsClear) return;
  RECT r = rect.ToRECT();
  ::FrameRect(FHandle, &r, FBrush.Handle());
}

void TCanvas::Rectangle(const TRect& rect) {
  if (!FHandle) return;
  DcSelection pen(FHandle, FPen.Handle());
  DcSelection brush(FHandle, FBrush.Handle());
  ::Rectangle(FHandle, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (!FHandle || points.size() < 2) return;
  static_assert(sizeof(TPoint) == sizeof(POINT), "TPoint must match POINT");
  DcSelection pen(FHandle, FPen.Handle());
  DcSelection brush(FHandle, FBrush.Handle());
  ::Polygon(FHandle, reinterpret_cast<const POINT*>(points.data()), static_cast<int>(points.size()));
}

void TCanvas::MoveTo(int x, int y) {
  if (FHandle) MoveToEx(FHandle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  if (!FHandle) return;
  DcSelection pen(FHandle, FPen.Handle());
  ::LineTo(FHandle, x, y);
}

TPoint TCanvas::PenPos() const {
  POINT p{};
  if (FHandle) GetCurrentPositionEx(FHandle, &p);
  return TPoint{p.x, p.y};
}

void TCanvas::TextOut(int x, int y, const std::string& text) { TextOut(x, y, Utf8ToWide(text)); }

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  if (!FHandle) return;
  TextScope scope(FHandle, FFont, FBrush);
  TextOutW(FHandle, x, y, text.c_str(), static_cast<int>(text.size()));
}

TSize TCanvas::TextExtent(const std::string& text) const { return Extent(FHandle, FFont, Utf8ToWide(text)); }

TSize TCanvas::TextExtent(const std::wstring& text) const { return Extent(FHandle, FFont, text); }

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  TextRect(rect, x, y, Utf8ToWide(text));
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::wstring& text) {
  if (!FHandle) return;
  TextScope scope(FHandle, FFont, FBrush);
  RECT r = rect.ToRECT();
  UINT options = ETO_CLIPPED | (FBrush.Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutW(FHandle, x, y, options, &r, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, TRect& rect, UINT flags) {
  return DrawText(Utf8ToWide(text), rect, flags);
}

int TCanvas::DrawText(const std::wstring& text, TRect& rect, UINT flags) {
  if (!FHandle) return 0;
  TextScope scope(FHandle, FFont, FBrush);
  RECT r = rect.ToRECT();
  int height = DrawTextW(FHandle, text.c_str(), static_cast<int>(text.size()), &r, flags);
  rect = TRect::FromRECT(r);
  return height;
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  if (!FHandle) return;
  // The dotted pattern takes the DC's text and background colours; fix them so the inversion is
  // the same on every DC.
  COLORREF oldText = SetTextColor(FHandle, RGB(0, 0, 0));
  COLORREF oldBack = SetBkColor(FHandle, RGB(255, 255, 255));
  RECT r = rect.ToRECT();
  ::DrawFocusRect(FHandle, &r);
  SetBkColor(FHandle, oldBack);
  SetTextColor(FHandle, oldText);
}
