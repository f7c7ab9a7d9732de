#pragma once
#include <array>
#include <memory>

#include "TBitmap.h"
#include "TvexaRes.h"

// Progress bar pieces for both orientations: 1 start cap, 2 filled part, 3 empty part, 4 end cap.
// Accessors count from 1 and return null for an index out of range or when nothing was built.
class TvexaProgressBarRes : public TvexaRes {
public:
  void Rebuild() override;

  TBitmap* HorzPiece(int Index) const { return Index >= 1 && Index <= 4 ? FHorz[size_t(Index - 1)].get() : nullptr; }
  TBitmap* VertPiece(int Index) const { return Index >= 1 && Index <= 4 ? FVert[size_t(Index - 1)].get() : nullptr; }
  // Widths of the start and end caps as the skin draws them horizontally.
  int StartCapWidth() const { return FStartCapWidth; }
  int EndCapWidth() const { return FEndCapWidth; }

private:
  std::array<std::unique_ptr<TBitmap>, 4> FHorz, FVert;
  int FStartCapWidth = 0;
  int FEndCapWidth = 0;
};
