#pragma once
#include <windows.h>

#include <vector>

#include "TBitmap.h"
#include "TColor.h"

class TCanvas;

// A list of equal-sized images kept side by side in one DIB strip. Images added with a mask colour
// leave that colour out when drawn (a colour key, exact match); the others are drawn opaque.
class TImageList {
public:
  TImageList(int width, int height);
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const { return static_cast<int>(FEntries.size()); }

  // A bitmap Width() * n wide adds n images (columns beyond the last whole image are dropped;
  // rows beyond Height() too, missing rows stay black). Returns the index of the first image added,
  // or -1 when the bitmap holds no whole image. The rvalue forms take the bitmap's pixels over
  // without a copy when it is exactly one strip of images and the list is still empty.
  int Add(const TBitmap& image);
  int Add(TBitmap&& image);
  int AddMasked(const TBitmap& image, TColor maskColor);
  int AddMasked(TBitmap&& image, TColor maskColor);

  // Draws image index at (x, y) honouring its mask. Disabled images are drawn in grey tones
  // (lightened luminance) with the same mask. An index out of range draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
  // Copies image index into image (Width() by Height()); a masked image comes out with Transparent
  // set and its mask colour as fixed transparent colour, so drawing the copy keeps the mask.
  // Returns false, leaving image alone, for an index out of range.
  bool GetBitmap(int index, TBitmap& image) const;
  void Clear();

private:
  struct TImageEntry {
    bool Masked;
    COLORREF Key;
  };
  int Append(const TBitmap& image, bool masked, TColor maskColor);
  int AppendAdopted(TBitmap&& image, bool masked, TColor maskColor);

  int FWidth;
  int FHeight;
  TBitmap FStrip;
  std::vector<TImageEntry> FEntries;
};
