#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "PixelBuffer.h"
#include "SkinImage.h"
#include "TColor.h"

class TCanvas;
class TBitmapCanvas;

// A 24-bit toolkit bitmap backed by a DIB section, so GDI draws on it through its canvas and pixel
// code works on the same memory rows. Row 0 is the top row.
//
// Size changes keep the pixels that still fit (anchored at the top-left corner); new pixels are
// black. Clear and the size change to zero release the pixel memory. The canvas is made on first
// use and lives as long as the bitmap; it follows every change of the pixel memory.
class TBitmap {
public:
  TBitmap();
  TBitmap(int width, int height);
  // Takes over a decoded skin image's pixel memory (no copy) and its transparency settings.
  explicit TBitmap(SkinImage&& image);
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return !FBuffer; }
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, FHeight); }
  void SetHeight(int height) { SetSize(FWidth, height); }
  // Releases the pixels (size 0 by 0); transparency settings stay.
  void Clear();
  // Copies size and pixels; this bitmap keeps its own transparency settings.
  void Assign(const TBitmap& source);
  // Takes a pixel buffer as this bitmap's memory without copying (it must be a DIB section).
  void Adopt(std::unique_ptr<PixelBuffer> buffer);
  // Hands the pixel memory to a new owner; the bitmap becomes empty.
  std::unique_ptr<PixelBuffer> TakeBuffer();

  TCanvas& Canvas();
  // The DC to copy this bitmap's pixels from (its canvas's DC); null while empty.
  HDC SourceDC() const;
  HBITMAP Handle() const;

  // When Transparent, the canvas's Draw and StretchDraw leave out pixels of TransparentColor.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool value) { FTransparent = value; }
  // Fixed mode: the colour set by SetTransparentColor; auto mode: the bottom-left pixel.
  TColor TransparentColor() const;
  // Also switches the mode to fixed.
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode mode) { FTransparentMode = mode; }

  // Row y from the top: Width() pixels in blue-green-red order. Flushes pending GDI drawing first.
  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;
  int Stride() const { return PixelBuffer::StrideFor(FWidth); }
  // One pixel as a colour number; outside the bitmap reads clNone and ignores writes (as does
  // writing clNone).
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

private:
  void ReplaceBuffer(std::unique_ptr<PixelBuffer> buffer, int width, int height);
  TBitmapCanvas& EnsureCanvas() const;

  std::unique_ptr<PixelBuffer> FBuffer;
  int FWidth = 0;
  int FHeight = 0;
  bool FTransparent = false;
  TTransparentMode FTransparentMode = TTransparentMode::tmAuto;
  TColor FTransparentColor = clNone;
  // Declared after the buffer: destroyed first, so the pixels are deselected before deletion.
  mutable std::unique_ptr<TBitmapCanvas> FCanvas;
};
