#pragma once
// The published properties every windowed standard control shares, declared in one place so the
// concrete classes list only their own. Used inside VEXA_DEFINE_CLASS blocks:
//   VEXA_DEFINE_CLASS(TButton) { PublishWinControlBasics(published, clBtnFace); PUBLISHED(Caption); }
#include "Control.h"
#include "Publisher.h"
#include "TColor.h"

template <class C>
void PublishWinControlBasics(TPublisher<C>& published, TColor DefaultColor) {
  using Self = C;
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(Color, "TColor").Default(DefaultColor).Stored(&TControl::IsColorStored);
  PUBLISHED(Constraints);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(TabStop);
  PUBLISHED(Visible).Default(true);
}
