#include "TvexaTabRes.h"

#include "BitmapFrames.h"
#include "BitmapRotation.h"
#include "TvexaReader.h"

void TvexaTabRes::Fill(Group& group, const TBitmap& source) {
  for (auto& b : group) {
    b = std::make_unique<TBitmap>();
    b->Assign(source);
  }
  RotateBitmap90CCW(*group[1]);
  RotateBitmap180(*group[2]);
  RotateBitmap90CW(*group[3]);
}

void TvexaTabRes::Rebuild() {
  for (auto* group : {&FLine, &FFrame2, &FFrame1})
    for (auto& b : *group) b.reset();
  if (!FReader) return;
  // Without a skin (or without these bitmaps) the pieces are empty: nothing draws tabs then.
  const TBitmap empty;
  const TBitmap* line = FReader->GetSkinBitmap(SKIN2_TABCONTROLLINE);
  const TBitmap* strip = FReader->GetSkinBitmap(SKIN2_TABCONTROL);
  Fill(FLine, line ? *line : empty);
  TBitmap frame;
  CutBitmapFrame(strip, frame, 2, 2);
  Fill(FFrame2, frame);
  CutBitmapFrame(strip, frame, 2, 1);
  Fill(FFrame1, frame);
}
