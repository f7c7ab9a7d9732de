#include "BitmapQuarters.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "DcSelection.h"
#include "MemoryDC.h"
#include "PixelCopy.h"
#include "TImageList.h"

namespace {

// Copies a tw x th corner out of the bitmap and draws it at (x, y) through an image list of that
// size. Returns where it landed, or an empty rectangle (0, 0, 0, 0) when the corner has no area.
TRect DrawCorner(const TBitmap& bitmap, TCanvas& canvas, const TRect& source, int x, int y, TColor transColor,
                 bool masked) {
  int tw = source.Width(), th = source.Height();
  if (tw <= 0 || th <= 0) return TRect{};
  TBitmap piece(tw, th);
  CopyPixels(bitmap, source, piece, 0, 0);
  TImageList list(tw, th);
  if (masked)
    list.AddMasked(std::move(piece), transColor);
  else
    list.Add(std::move(piece));
  list.Draw(canvas, x, y, 0);
  return TRect{x, y, x + tw, y + th};
}

// A canvas over a memory DC, made on first need and shared by the pieces of one draw to scale
// sources into the pieces' temporary bitmaps (a DC per temporary bitmap would cost more than the
// scaling itself).
class ScratchCanvas {
public:
  TCanvas& Get() {
    if (!FDC) {
      FDC = std::make_unique<MemoryDC>();
      FCanvas = std::make_unique<TCanvas>(FDC->Get());
    }
    return *FCanvas;
  }

private:
  std::unique_ptr<MemoryDC> FDC;
  std::unique_ptr<TCanvas> FCanvas;
};

// Edge or centre: the source piece in a temporary bitmap of the destination's size, then drawn
// with the transparent colour left out. Pieces without area (destination or source) are skipped.
void DrawPiece(const TBitmap& bitmap, TCanvas& canvas, const TRect& source, const TRect& dest, TColor transColor,
               ScratchCanvas& scratch) {
  if (dest.IsEmpty() || source.IsEmpty()) return;
  TBitmap piece(dest.Width(), dest.Height());
  if (source.Width() == dest.Width() && source.Height() == dest.Height()) {
    CopyPixels(bitmap, source, piece, 0, 0);  // no scaling needed: a plain row copy
  } else {
    TCanvas& scaler = scratch.Get();
    DcSelection selection(scaler.Handle(), piece.Handle());  // ends before the piece goes
    scaler.CopyRect(TRect{0, 0, dest.Width(), dest.Height()}, bitmap, source);
  }
  piece.SetTransparentColor(transColor);
  piece.SetTransparent(true);
  canvas.StretchDraw(dest, piece);
}

}  // namespace

void DrawBitmapQuarters(const TBitmap& Bitmap, TCanvas& Canvas, const TRect& DestRect, TColor TransColor,
                        bool MaskCorners) {
  const int W = DestRect.Width(), H = DestRect.Height();
  if (H <= 0 || Bitmap.Empty()) return;
  const int BW = Bitmap.Width(), BH = Bitmap.Height();
  const int wb = BW / 2, hb = BH / 2, wd = W / 2, hd = H / 2;
  // The right and bottom corners are one pixel narrower/shorter than the left and top ones, so the
  // middle column and row of an odd-sized frame belong to the stretched pieces.
  const int leftW = std::max(0, std::min(wb, wd));
  const int rightW = std::max(0, std::min(wb - 1, wd - 1));
  const int topH = std::max(0, std::min(hb, hd));
  const int bottomH = std::max(0, std::min(hb - 1, hd - 1));
  const int right = DestRect.Right, bottom = DestRect.Bottom;

  const TRect TL = DrawCorner(Bitmap, Canvas, TRect{0, 0, leftW, topH}, 0, 0, TransColor, MaskCorners);
  if (hd <= 1) return;  // three rows or fewer: the top-left corner is all there is room for
  ScratchCanvas scratch;

  const TRect BL =
      DrawCorner(Bitmap, Canvas, TRect{0, BH - bottomH, leftW, BH}, 0, bottom - bottomH, TransColor, MaskCorners);

  {  // left edge: the outer columns when it has to be narrower than the source
    TRect dest{0, TL.Bottom, TL.Right, BL.Top};
    TRect source{0, hb, wb, BH - hb};
    if (source.Width() > dest.Width()) source.Right = source.Left + dest.Width();
    DrawPiece(Bitmap, Canvas, source, dest, TransColor, scratch);
  }

  const TRect TR =
      DrawCorner(Bitmap, Canvas, TRect{BW - rightW, 0, BW, topH}, right - rightW, 0, TransColor, MaskCorners);
  const TRect BR = DrawCorner(Bitmap, Canvas, TRect{BW - rightW, BH - bottomH, BW, BH}, right - rightW,
                              bottom - bottomH, TransColor, MaskCorners);

  {  // right edge: one source row; its outer columns when narrower
    TRect dest{TR.Left, TR.Bottom, TR.Right, BR.Top};
    TRect source{BW - wb + 1, hb, BW, hb + 1};
    if (source.Width() > dest.Width()) source.Left = source.Right - dest.Width();
    DrawPiece(Bitmap, Canvas, source, dest, TransColor, scratch);
  }
  {  // top edge: its top rows when shorter
    TRect dest{TL.Right, 0, TR.Left, TL.Bottom};
    TRect source{wb, 0, BW - wb + 1, hb};
    if (source.Height() > dest.Height()) source.Bottom = source.Top + dest.Height();
    DrawPiece(Bitmap, Canvas, source, dest, TransColor, scratch);
  }
  // Centre: ends one row above the bottom-right corner; the bottom edge covers that row.
  DrawPiece(Bitmap, Canvas, TRect{wb, hb, BW - wb + 1, BH - hb}, TRect{TL.Right, TL.Bottom, TR.Left, BR.Top - 1},
            TransColor, scratch);
  {  // bottom edge, last: one row higher and one column further left than the corners around it
    TRect dest{TL.Right - 1, BL.Top - 1, BR.Left, BR.Bottom};
    TRect source{wb, BH - hb, BW - wb + 1, BH};
    if (source.Height() > dest.Height()) source.Top = source.Bottom - dest.Height();
    DrawPiece(Bitmap, Canvas, source, dest, TransColor, scratch);
  }
}
