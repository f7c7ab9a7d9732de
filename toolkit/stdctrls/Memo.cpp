#include "Memo.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TMemo) {
  PublishWinControlBasics(published, clWindow);
  PUBLISHED(BorderStyle).Default(TBorderStyle::bsSingle);
  PUBLISHED(Lines);
  PUBLISHED(MaxLength).Default(0);
  PUBLISHED(ReadOnly).Default(false);
  PUBLISHED(ScrollBars).Default(ssNone);
  PUBLISHED(WordWrap).Default(true);
}

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoLines>(*this)) {
  SetBounds(0, 0, 185, 89);
}

void TMemo::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (FWordWrap) Params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
  if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap) Params.Style |= WS_HSCROLL;
}

void TMemo::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  RecreateWnd();
}
