#include "StretchedDraw.h"

#include <algorithm>

#include "PixelCopy.h"

namespace {

// Pieces of zero or negative size (rectangles smaller than the caps) draw nothing.
void CopyPiece(TCanvas& canvas, const TRect& dest, const TBitmap& bitmap, const TRect& source) {
  if (dest.IsEmpty() || source.IsEmpty()) return;
  canvas.CopyRect(dest, bitmap, source);
}

// The middle part in a bitmap of its own, so the averaging cannot reach into the caps.
void StretchMiddle(TCanvas& canvas, const TRect& dest, const TBitmap& bitmap, const TRect& source) {
  if (dest.IsEmpty() || source.IsEmpty()) return;
  TBitmap middle(source.Width(), source.Height());
  CopyPixels(bitmap, source, middle, 0, 0);
  StretchBitmapHalftone(middle, canvas, dest);
}

}  // namespace

void DrawVertStretched(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect, int Cap) {
  if (DestRect.Left < 0 || Bitmap.Empty()) return;
  const int BW = Bitmap.Width(), BH = Bitmap.Height();
  if (Cap == 0) Cap = BH / 3;
  const TRect& R = DestRect;
  const int n = std::min(Cap, R.Height());
  CopyPiece(Canvas, TRect{R.Left, R.Top, R.Right, R.Top + n}, Bitmap, TRect{0, 0, BW, n});
  CopyPiece(Canvas, TRect{R.Left, R.Bottom - Cap, R.Right, R.Bottom}, Bitmap, TRect{0, BH - Cap, BW, BH});
  StretchMiddle(Canvas, TRect{R.Left, R.Top + Cap, R.Right, R.Bottom - Cap}, Bitmap, TRect{0, Cap, BW, BH - Cap});
}

void DrawHorzStretched(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect, int Cap) {
  if (DestRect.Left < 0 || Bitmap.Empty()) return;
  const int BW = Bitmap.Width(), BH = Bitmap.Height();
  const TRect& R = DestRect;
  const int n = std::min(Cap, R.Width());
  CopyPiece(Canvas, TRect{R.Left, R.Top, R.Left + n, R.Bottom}, Bitmap, TRect{0, 0, n, BH});
  CopyPiece(Canvas, TRect{R.Right - Cap, R.Top, R.Right, R.Bottom}, Bitmap, TRect{BW - Cap, 0, BW, BH});
  StretchMiddle(Canvas, TRect{R.Left + Cap, R.Top, R.Right - Cap, R.Bottom}, Bitmap, TRect{Cap, 0, BW - Cap, BH});
}

void StretchBitmapHalftone(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect) {
  if (Bitmap.Empty() || DestRect.IsEmpty()) return;
  // The canvas goes back to its own mode whatever happens, so later copies stay nearest-pixel.
  struct ModeScope {
    TCanvas& canvas;
    TStretchMode previous;
    ~ModeScope() { canvas.SetStretchMode(previous); }
  } scope{Canvas, Canvas.StretchMode()};
  Canvas.SetStretchMode(smHalftone);
  Canvas.CopyRect(DestRect, Bitmap, TRect{0, 0, Bitmap.Width(), Bitmap.Height()});
}
