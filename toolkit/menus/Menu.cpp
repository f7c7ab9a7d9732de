#include "Menu.h"

#include "MenuItem.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TMenu) { PUBLISHED(BiDiMode).Default(bdLeftToRight); }

TMenu::TMenu(TComponent* AOwner, bool MenuBar) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
  FItems->FMenu = this;
  FItems->FMenuBar = MenuBar;
  FItems->Handle();
}

TMenu::~TMenu() {
  // The tree goes without telling a menu that is half gone.
  FItems->FMenu = nullptr;
  FItems.reset();
}

HMENU TMenu::Handle() const { return FItems->Handle(); }

void TMenu::SetImages(TImageList* Value) {
  FImages = Value;
  FItems->UpdateTree();
  MenuChanged(nullptr, false);
}

void TMenu::SetBiDiMode(TBiDiMode Value) {
  if (Value == FBiDiMode) return;
  FBiDiMode = Value;
  MenuChanged(nullptr, false);
}

void TMenu::MenuChanged(TMenuItem* Source, bool Rebuild) {
  CallEvent(FOnChange, this, Source, Rebuild);
}

namespace {
TMenuItem* FindShortCutIn(const TMenuItem* Parent, TShortCut Value) {
  for (int i = 0; i < Parent->Count(); ++i) {
    TMenuItem* item = Parent->Items(i);
    if (!item->Visible() || !item->Enabled()) continue;
    if (item->ShortCut() == Value) return item;
    if (TMenuItem* found = FindShortCutIn(item, Value)) return found;
  }
  return nullptr;
}
}  // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut Value) const {
  return Value == scNone ? nullptr : FindShortCutIn(FItems.get(), Value);
}

bool TMenu::IsShortCut(WORD Key, TShiftState Shift) {
  TMenuItem* item = FindItemByShortCut(::ShortCut(Key, Shift));
  if (!item) return false;
  item->Click();
  return true;
}
