#include "TvexaScrollBtnRes.h"

#include <cstring>
#include <utility>

#include "BitmapColors.h"
#include "BitmapFrames.h"
#include "BitmapRotation.h"
#include "TvexaReader.h"

namespace {
// Dest becomes Count rows of Source starting at FirstRow, full width (rows outside stay black).
void CopyRows(const TBitmap& source, TBitmap& dest, int firstRow, int count) {
  dest.SetSize(source.Width(), count);
  for (int y = 0; y < count; ++y) {
    int from = firstRow + y;
    if (from >= 0 && from < source.Height()) std::memcpy(dest.ScanLine(y), source.ScanLine(from), size_t(source.Width()) * 3);
  }
}

// Whether row 1 of the grip piece is one colour from x = 4 to x = width - 4 (narrow pieces are).
bool IsUniform(const TBitmap& piece) {
  const TColor first = piece.Pixel(4, 1);
  for (int x = 4; x <= piece.Width() - 4; ++x)
    if (piece.Pixel(x, 1) != first) return false;
  return true;
}

constexpr TColor kWholeThumbScrollColor = 0xCBCBCB;
constexpr TColor kWholeThumbMarker = 0xB23901;
constexpr int kWholeThumbHeight = 33;
}  // namespace

void TvexaScrollBtnRes::FreeAll() {
  for (auto* list : {&FHorzButtons, &FVertButtons})
    for (auto& b : *list) b.reset();
  for (auto* list : {&FHorzThumbs, &FVertThumbs})
    for (auto& b : *list) b.reset();
  FWholeThumbHorz.reset();
  FWholeThumbVert.reset();
  FThumbWidth = 0;
}

void TvexaScrollBtnRes::Rebuild() {
  FreeAll();
  if (!FReader || !FReader->SkinLoaded()) {
    FWholeThumb = false;
    return;
  }
  const TColor trans = FReader->GetSkinColor(SKIN2_TRANSCOLOR);
  const TColor scroll = FReader->GetSkinColor(SKIN2_SCROLLBARCOLOR);
  const TBitmap* up = FReader->GetSkinBitmap(SKIN2_SCROLLBARUPBUTTON);
  const TBitmap* down = FReader->GetSkinBitmap(SKIN2_SCROLLBARDOWNBUTTON);
  const TBitmap* bar = FReader->GetSkinBitmap(SKIN2_SCROLLBAR);

  for (auto* list : {&FHorzButtons, &FVertButtons})
    for (auto& b : *list) b = std::make_unique<TBitmap>();
  for (auto* list : {&FHorzThumbs, &FVertThumbs})
    for (auto& b : *list) b = std::make_unique<TBitmap>();

  for (int state = 1; state <= 3; ++state) {
    CutBitmapFrame(up, *FVertButtons[state - 1], 3, state);
    CutBitmapFrame(down, *FVertButtons[state + 2], 3, state);
    CutBitmapFrame(up, *FHorzButtons[state - 1], 3, state);
    CutBitmapFrame(down, *FHorzButtons[state + 2], 3, state);
    RotateBitmap90CCW(*FHorzButtons[state - 1]);
    RotateBitmap90CCW(*FHorzButtons[state + 2]);
  }

  if (!bar) {
    FWholeThumb = false;
    return;
  }
  FWholeThumb = scroll == kWholeThumbScrollColor && bar->Height() == kWholeThumbHeight &&
                bar->Pixel(1, 10) == kWholeThumbMarker;
  if (FWholeThumb) {
    FWholeThumbVert = std::make_unique<TBitmap>();
    FWholeThumbVert->Assign(*bar);
    FWholeThumbHorz = std::make_unique<TBitmap>();
    FWholeThumbHorz->Assign(*bar);
    RotateBitmap90CCW(*FWholeThumbHorz);
  }

  CutThumbPieces(*bar);
  if (IsUniform(*FVertThumbs[2])) {
    for (int k = 0; k < 5; ++k) {
      FHorzThumbs[k]->Assign(*FVertThumbs[k]);
      RotateBitmap90CCW(*FHorzThumbs[k]);
    }
  } else {
    // A grip with a picture along the bar would point the wrong way turned counter-clockwise:
    // turn the other way, reverse the pieces and swap the buttons to match.
    for (int k = 0; k < 5; ++k) {
      FHorzThumbs[4 - k]->Assign(*FVertThumbs[k]);
      RotateBitmap90CW(*FHorzThumbs[4 - k]);
    }
    for (int i = 0; i < 3; ++i) std::swap(FHorzButtons[i], FHorzButtons[i + 3]);
    for (auto& b : FHorzButtons) RotateBitmap180(*b);
  }

  for (auto* list : {&FHorzButtons, &FVertButtons})
    for (auto& b : *list) ReplaceBitmapColor(*b, trans, scroll);
  for (auto* list : {&FHorzThumbs, &FVertThumbs})
    for (auto& b : *list) ReplaceBitmapColor(*b, trans, scroll);
  FThumbWidth = FVertThumbs[0]->Width();
}

void TvexaScrollBtnRes::CutThumbPieces(const TBitmap& bar) {
  const int h = bar.Height();
  const int o = (h - 6) / 3;
  CopyRows(bar, *FVertThumbs[0], 0, 3);
  CopyRows(bar, *FVertThumbs[4], h - 3, 3);
  if (o > 0) {
    // Row 3 is left out; the last row of the grip is also the first of the piece after it.
    CopyRows(bar, *FVertThumbs[1], 4, o);
    CopyRows(bar, *FVertThumbs[2], o + 4, h - 6 - 2 * o);
    CopyRows(bar, *FVertThumbs[3], h - 3 - o, o);
  } else {
    for (int k = 1; k <= 3; ++k) FVertThumbs[k]->SetSize(bar.Width(), 1);
  }
}
