#include "TvexaProgressBarRes.h"

#include "BitmapRotation.h"
#include "TvexaReader.h"

void TvexaProgressBarRes::Rebuild() {
  for (auto* list : {&FHorz, &FVert})
    for (auto& b : *list) b.reset();
  FStartCapWidth = FEndCapWidth = 0;
  if (!FReader || !FReader->SkinLoaded()) return;
  for (int k = 0; k < 4; ++k) {
    FHorz[k] = std::make_unique<TBitmap>();
    if (const TBitmap* piece = FReader->GetSkinBitmap(SKIN2_PROGRESSBAR1 + k)) FHorz[k]->Assign(*piece);
    FVert[k] = std::make_unique<TBitmap>();
    FVert[k]->Assign(*FHorz[k]);
    RotateBitmap90CCW(*FVert[k]);
  }
  FStartCapWidth = FHorz[0]->Width();
  FEndCapWidth = FHorz[3]->Width();
}
