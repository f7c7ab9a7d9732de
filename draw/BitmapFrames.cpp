#include "BitmapFrames.h"

#include "PixelCopy.h"

void CutBitmapFrame(const TBitmap* Source, TBitmap& Dest, int FrameCount, int FrameIndex) {
  if (!Source || FrameCount < 1) return;
  const int w = Source->Width() / FrameCount;
  const int h = Source->Height();
  TBitmap frame(w, h);
  CopyPixels(*Source, TRect{w * (FrameIndex - 1), 0, w * FrameIndex, h}, frame, 0, 0);
  if (frame.Empty()) {
    Dest.Clear();
    Dest.SetSize(w, h);
  } else {
    Dest.Adopt(frame.TakeBuffer());  // the frame's memory becomes Dest's: no second copy
  }
}
