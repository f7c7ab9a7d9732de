#include "TBitmapCanvas.h"

TBitmapCanvas::TBitmapCanvas() { SetHandle(FDC.Get()); }

TBitmapCanvas::~TBitmapCanvas() { Bind(nullptr); }

void TBitmapCanvas::Bind(HBITMAP bitmap) {
  if (FBound) {
    SelectObject(FDC.Get(), FOriginal);
    FBound = false;
  }
  if (bitmap) {
    FOriginal = SelectObject(FDC.Get(), bitmap);
    FBound = true;
  }
}
