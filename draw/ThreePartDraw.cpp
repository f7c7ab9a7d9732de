#include "ThreePartDraw.h"

#include "TImageList.h"

void DrawHorzThreePart(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect, TColor TransColor,
                       bool Transparent) {
  const int w = Bitmap.Width() / 3;
  if (w <= 0) return;  // no frame to cut
  const int BH = Bitmap.Height();
  TImageList list(w, BH);
  if (Transparent)
    list.AddMasked(Bitmap, TransColor);
  else
    list.Add(Bitmap);

  if (DestRect.Width() < w) {
    TBitmap cap;
    list.GetBitmap(0, cap);
    cap.SetWidth(DestRect.Width());  // keeps the left columns
    Canvas.Draw(DestRect.Left, DestRect.Top, cap);
    return;
  }
  list.Draw(Canvas, DestRect.Left, DestRect.Top, 0);
  list.Draw(Canvas, DestRect.Right - w, DestRect.Top, 2);
  TBitmap middle;
  list.GetBitmap(1, middle);
  Canvas.StretchDraw(TRect{DestRect.Left + w, DestRect.Top, DestRect.Right - w, DestRect.Top + BH}, middle);
}
