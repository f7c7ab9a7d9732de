#include "ListItem.h"

#include "CustomListView.h"
#include "ListItems.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TListItem) {}

TListItem::TListItem(TListItems& Owner) : FOwner(Owner), FSubItems(std::make_unique<TStringList>()) {
  FSubItems->SetOnChange([this](TObject*) { Changed(); });
}

TListItem::~TListItem() { FSubItems->SetOnChange(nullptr); }

int TListItem::Index() const { return FOwner.IndexOf(this); }

void TListItem::Changed() {
  const int index = Index();
  if (index >= 0) FOwner.ListView().ItemChanged(index);
}

void TListItem::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Changed();
}

void TListItem::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  Changed();
}

bool TListItem::Selected() const {
  const int index = Index();
  return index >= 0 ? FOwner.ListView().ItemSelected(index, FSelected) : FSelected;
}

void TListItem::SetSelected(bool Value) {
  FSelected = Value;
  const int index = Index();
  if (index >= 0) FOwner.ListView().SetItemSelected(index, Value);
}
