#include "PixelCopy.h"

#include <algorithm>
#include <cstring>

void CopyPixels(const TBitmap& source, TRect sourceRect, TBitmap& dest, int destX, int destY) {
  if (source.Empty() || dest.Empty()) return;
  // Clip the source rectangle to the source, moving the destination along.
  if (sourceRect.Left < 0) destX -= sourceRect.Left, sourceRect.Left = 0;
  if (sourceRect.Top < 0) destY -= sourceRect.Top, sourceRect.Top = 0;
  sourceRect.Right = std::min(sourceRect.Right, source.Width());
  sourceRect.Bottom = std::min(sourceRect.Bottom, source.Height());
  // Then to the destination.
  if (destX < 0) sourceRect.Left -= destX, destX = 0;
  if (destY < 0) sourceRect.Top -= destY, destY = 0;
  int width = std::min(sourceRect.Width(), dest.Width() - destX);
  int height = std::min(sourceRect.Height(), dest.Height() - destY);
  if (width <= 0 || height <= 0) return;
  for (int y = 0; y < height; ++y)
    std::memcpy(dest.ScanLine(destY + y) + destX * 3, source.ScanLine(sourceRect.Top + y) + sourceRect.Left * 3,
                static_cast<size_t>(width) * 3);
}
