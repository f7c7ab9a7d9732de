#pragma once
#include <array>
#include <memory>

#include "TBitmap.h"
#include "TvexaRes.h"

// Tab control pieces in the four orientations a tab strip can take.
enum class TTabTurn { AsIs, QuarterCCW, Half, QuarterCW };

class TvexaTabRes : public TvexaRes {
public:
  void Rebuild() override;

  // The strip that joins the active tab to its page.
  TBitmap* Line(TTabTurn Turn) const { return FLine[size_t(Turn)].get(); }
  // Frame 2 of the tab strip (an inactive tab) and frame 1 (the active tab).
  TBitmap* InactiveTab(TTabTurn Turn) const { return FFrame2[size_t(Turn)].get(); }
  TBitmap* ActiveTab(TTabTurn Turn) const { return FFrame1[size_t(Turn)].get(); }

private:
  using Group = std::array<std::unique_ptr<TBitmap>, 4>;
  static void Fill(Group& group, const TBitmap& source);

  Group FLine, FFrame2, FFrame1;
};
