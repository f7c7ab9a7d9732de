#pragma once
#include <array>
#include <memory>

#include "TBitmap.h"
#include "TvexaRes.h"

// Scroll bar buttons and thumb pieces for both orientations, recoloured with the scroll bar colour.
// Accessors count from 1 and return null for an index out of range or when nothing was built.
class TvexaScrollBtnRes : public TvexaRes {
public:
  void Rebuild() override;

  // 1-3: the three states of the up (left) button, 4-6: of the down (right) button.
  TBitmap* HorzButton(int Index) const { return Get(FHorzButtons, Index); }
  TBitmap* VertButton(int Index) const { return Get(FVertButtons, Index); }
  // 1 start cap, 2 fill before the grip, 3 grip, 4 fill after the grip, 5 end cap.
  TBitmap* HorzThumb(int Index) const { return Get(FHorzThumbs, Index); }
  TBitmap* VertThumb(int Index) const { return Get(FVertThumbs, Index); }
  // The whole thumb picture, for the one skin style whose thumb cannot be pieced together.
  TBitmap* WholeThumbHorz() const { return FWholeThumbHorz.get(); }
  TBitmap* WholeThumbVert() const { return FWholeThumbVert.get(); }
  int ThumbWidth() const { return FThumbWidth; }
  bool WholeThumb() const { return FWholeThumb; }

private:
  template <size_t N>
  static TBitmap* Get(const std::array<std::unique_ptr<TBitmap>, N>& list, int index) {
    return index >= 1 && index <= int(N) ? list[size_t(index - 1)].get() : nullptr;
  }
  void FreeAll();
  void CutThumbPieces(const TBitmap& bar);

  std::array<std::unique_ptr<TBitmap>, 6> FHorzButtons, FVertButtons;
  std::array<std::unique_ptr<TBitmap>, 5> FHorzThumbs, FVertThumbs;
  std::unique_ptr<TBitmap> FWholeThumbHorz, FWholeThumbVert;
  int FThumbWidth = 0;
  bool FWholeThumb = false;
};
