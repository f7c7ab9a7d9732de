#pragma once
#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>

#include "TBrush.h"
#include "TColor.h"
#include "TFont.h"
#include "TPen.h"
#include "TRect.h"

// The toolkit's members TextOut and DrawText would be renamed by the platform's A/W macros of the
// same names; code that wants the platform functions calls TextOutW/DrawTextW by their full names.
#undef TextOut
#undef DrawText

class TBitmap;

// How CopyRect scales: nearest pixel (the default) or the platform's averaging halftone mode.
enum TStretchMode { smColorOnColor, smHalftone };

// Drawing over a device context with a font, a brush and a pen. The canvas selects its font, brush
// and pen into the DC only for the duration of each call and puts the previous objects back, so
// changing or destroying them never touches a selected object. Subclasses own the DC (a bitmap's
// memory DC, a window's DC); the base class borrows one (for example BeginPaint's).
class TCanvas {
public:
  explicit TCanvas(HDC dc = nullptr) : FHandle(dc) {}
  virtual ~TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return FHandle; }
  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  TBrush& Brush() { return FBrush; }
  const TBrush& Brush() const { return FBrush; }
  TPen& Pen() { return FPen; }
  const TPen& Pen() const { return FPen; }
  TStretchMode StretchMode() const { return FStretchMode; }
  void SetStretchMode(TStretchMode mode) { FStretchMode = mode; }

  // One pixel; positions outside the drawing surface read as clNone and ignore writes.
  TColor Pixels(int x, int y) const;
  void SetPixels(int x, int y, TColor color);

  // Copies sourceRect of the source into dest, scaled in the canvas's stretch mode; no transparency.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
  void CopyRect(const TRect& dest, const TBitmap& source, const TRect& sourceRect);
  // The whole bitmap at (x, y), unscaled / scaled into dest. A transparent bitmap's pixels of its
  // transparent colour are left out. Empty bitmaps and destinations without area draw nothing.
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& dest, const TBitmap& bitmap);

  // With the brush (a clear brush fills nothing).
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  // Outline with the pen, inside with the brush.
  void Rectangle(const TRect& rect);
  void Rectangle(int left, int top, int right, int bottom) { Rectangle(TRect{left, top, right, bottom}); }
  void Polygon(std::span<const TPoint> points);
  void Polygon(std::initializer_list<TPoint> points) {
    Polygon(std::span<const TPoint>(points.begin(), points.size()));
  }
  // Lines leave out their end pixel, as the platform's do.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  TPoint PenPos() const;

  // Text in the font and its colour; the background is filled with the brush colour unless the
  // brush is clear. Byte strings are UTF-8.
  void TextOut(int x, int y, const std::string& text);
  void TextOut(int x, int y, const std::wstring& text);
  TSize TextExtent(const std::string& text) const;
  TSize TextExtent(const std::wstring& text) const;
  int TextWidth(const std::string& text) const { return TextExtent(text).cx; }
  int TextWidth(const std::wstring& text) const { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) const { return TextExtent(text).cy; }
  int TextHeight(const std::wstring& text) const { return TextExtent(text).cy; }
  // Text at (x, y) clipped to rect; a solid brush fills rect first.
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  void TextRect(const TRect& rect, int x, int y, const std::wstring& text);
  // The platform's formatted text drawing with DT_ flags; with DT_CALCRECT rect receives the
  // measured size. Returns the text height.
  int DrawText(const std::string& text, TRect& rect, UINT flags);
  int DrawText(const std::wstring& text, TRect& rect, UINT flags);

  // The dotted focus outline, drawn by inversion (drawing it twice restores the pixels).
  void DrawFocusRect(const TRect& rect);

protected:
  void SetHandle(HDC dc) { FHandle = dc; }

private:
  void CopyFromDC(const TRect& dest, HDC source, const TRect& sourceRect);

  HDC FHandle;
  TFont FFont;
  TBrush FBrush;
  TPen FPen;
  TStretchMode FStretchMode = smColorOnColor;
};
