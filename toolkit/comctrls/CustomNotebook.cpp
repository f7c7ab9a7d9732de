#include "CustomNotebook.h"

#include <algorithm>
#include <string>

#include "ClassesErrors.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomNotebook) {}

TCustomNotebook::TCustomNotebook(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetBounds(0, 0, 200, 150);
}

TCustomNotebook::~TCustomNotebook() {
  MarkDestroying();
  // While this object is whole: a page leaving asks the notebook to forget it.
  while (!FPages.empty()) delete FPages.back();
}

TCustomPage* TCustomNotebook::Pages(int Index) const {
  if (Index < 0 || Index >= PageCount())
    throw EListError("Page index " + std::to_string(Index) + " out of bounds (" + std::to_string(PageCount()) +
                     " pages)");
  return FPages[static_cast<size_t>(Index)];
}

int TCustomNotebook::IndexOfPage(const TCustomPage* Page) const {
  const auto it = std::find(FPages.begin(), FPages.end(), Page);
  return it == FPages.end() ? -1 : static_cast<int>(it - FPages.begin());
}

TCustomPage* TCustomNotebook::ActivePage() const {
  return FActivePageIndex >= 0 ? FPages[static_cast<size_t>(FActivePageIndex)] : nullptr;
}

void TCustomNotebook::SetActivePage(TCustomPage* Value) {
  const int index = IndexOfPage(Value);
  if (index >= 0) SetActivePageIndex(index);
}

void TCustomNotebook::SetActivePageIndex(int Value) {
  if (Value < 0 || Value >= PageCount() || Value == FActivePageIndex) return;
  FActivePageIndex = Value;
  ShowActivePage();
  ActivePageChanged();
}

void TCustomNotebook::ShowActivePage() {
  if (Destroying()) return;
  const TRect area = PageArea();
  TCustomPage* active = ActivePage();
  if (active) {
    active->SetBounds(area.Left, area.Top, area.Width(), area.Height());
    active->BringToFront();
    active->SetVisible(true);
  }
  for (TCustomPage* page : FPages)
    if (page != active) page->SetVisible(false);
}

void TCustomNotebook::InsertPage(TCustomPage* Page) {
  FPages.push_back(Page);
  Page->FNotebook = this;
  const int index = PageCount() - 1;
  PageInserted(index);
  if (FActivePageIndex < 0) SetActivePageIndex(index);
  else Page->SetVisible(false);
}

void TCustomNotebook::RemovePage(TCustomPage* Page) {
  const int index = IndexOfPage(Page);
  if (index < 0) return;
  FPages.erase(FPages.begin() + index);
  Page->FNotebook = nullptr;
  if (Destroying()) return;
  // The page that slides into the removed one's place becomes active (or the one before it).
  const bool wasActive = index == FActivePageIndex;
  if (index < FActivePageIndex || (wasActive && index == PageCount())) --FActivePageIndex;
  PageRemoved(index);
  if (wasActive) {
    ShowActivePage();
    ActivePageChanged();
  }
}

void TCustomNotebook::MovePage(TCustomPage* Page, int NewIndex) {
  const int index = IndexOfPage(Page);
  NewIndex = std::clamp(NewIndex, 0, PageCount() - 1);
  if (index < 0 || NewIndex == index) return;
  TCustomPage* active = ActivePage();
  FPages.erase(FPages.begin() + index);
  PageRemoved(index);
  FPages.insert(FPages.begin() + NewIndex, Page);
  PageInserted(NewIndex);
  FActivePageIndex = IndexOfPage(active);
  ActivePageChanged();
}

void TCustomNotebook::PageEdited(TCustomPage* Page) {
  const int index = IndexOfPage(Page);
  if (index >= 0 && !Destroying()) PageChanged(index);
}

void TCustomNotebook::PageInserted(int) {}
void TCustomNotebook::PageRemoved(int) {}
void TCustomNotebook::PageChanged(int) {}

void TCustomNotebook::AlignControls(TRect& Rect) {
  inherited::AlignControls(Rect);
  // After the base layout, whose anchoring would otherwise put the pages back where they were.
  const TRect area = PageArea();
  for (TCustomPage* page : FPages) page->SetBounds(area.Left, area.Top, area.Width(), area.Height());
}

bool TCustomNotebook::CanChange() {
  bool allow = true;
  CallEvent(FOnChanging, this, allow);
  return allow;
}

void TCustomNotebook::Change() { CallEvent(FOnChange, this); }
