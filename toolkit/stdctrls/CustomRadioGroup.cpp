#include "CustomRadioGroup.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ClassesErrors.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomRadioGroup) {}

namespace {

// Sets a flag for one scope, whatever way the scope is left.
class TFlagScope {
public:
  explicit TFlagScope(bool& Flag) : FFlag(Flag), FOld(Flag) { FFlag = true; }
  ~TFlagScope() { FFlag = FOld; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool& FFlag;
  bool FOld;
};

}  // namespace

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner)
    : TCustomGroupBox(AOwner), FItems(std::make_unique<TStringList>()) {
  FItems->SetOnChange([this](TObject*) { UpdateButtons(); });
}

TCustomRadioGroup::~TCustomRadioGroup() {
  MarkDestroying();
  FItems->SetOnChange(nullptr);
  for (TRadioButton* button : std::exchange(FButtons, {})) delete button;
}

TRadioButton* TCustomRadioGroup::Buttons(int Index) const {
  if (Index < 0 || Index >= ButtonCount())
    throw EListError("Radio button index " + std::to_string(Index) + " out of bounds (" +
                     std::to_string(ButtonCount()) + " buttons)");
  return FButtons[static_cast<size_t>(Index)];
}

void TCustomRadioGroup::SetColumns(int Value) {
  Value = std::clamp(Value, 1, 16);
  if (Value == FColumns) return;
  FColumns = Value;
  ArrangeButtons();
}

void TCustomRadioGroup::SetItemIndex(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = Value;  // the items may not be read yet; Loaded checks the button
    return;
  }
  Value = std::clamp(Value, -1, ButtonCount() - 1);
  if (Value == FItemIndex) return;
  if (Value < 0) {
    const int old = FItemIndex;
    FItemIndex = -1;
    if (old >= 0) FButtons[static_cast<size_t>(old)]->SetChecked(false);
    return;
  }
  // Checking the button unchecks its siblings and comes back through ButtonClicked.
  FButtons[static_cast<size_t>(Value)]->SetChecked(true);
}

void TCustomRadioGroup::Loaded() {
  inherited::Loaded();
  FItemIndex = std::clamp(FItemIndex, -1, ButtonCount() - 1);
  CheckItemIndex();
}

void TCustomRadioGroup::CheckItemIndex() {
  TFlagScope updating(FUpdating);
  for (int i = 0; i < ButtonCount(); ++i) FButtons[static_cast<size_t>(i)]->SetChecked(i == FItemIndex);
}

void TCustomRadioGroup::ButtonClicked(TRadioButton* Button) {
  if (FUpdating) return;
  const auto it = std::find(FButtons.begin(), FButtons.end(), Button);
  if (it == FButtons.end()) return;
  FItemIndex = static_cast<int>(it - FButtons.begin());
  Click();
}

void TCustomRadioGroup::UpdateButtons() {
  if (Destroying()) return;
  {
    TFlagScope updating(FUpdating);
    const auto count = static_cast<size_t>(FItems->Count());
    while (FButtons.size() > count) {
      delete FButtons.back();
      FButtons.pop_back();
    }
    while (FButtons.size() < count) {
      // Not owned by a component: the group is the buttons' parent, deletes them, and keeps them
      // out of the form's stored components.
      auto* button = new TRadioButton(nullptr);
      button->SetOnClick([this, button](TObject*) { ButtonClicked(button); });
      button->SetParent(this);
      FButtons.push_back(button);
    }
    for (size_t i = 0; i < count; ++i) FButtons[i]->SetCaption(FItems->Strings(static_cast<int>(i)));
    if (!ComponentState().Contains(csLoading)) FItemIndex = std::min(FItemIndex, static_cast<int>(count) - 1);
  }
  CheckItemIndex();
  ArrangeButtons();
}

void TCustomRadioGroup::ArrangeButtons() {
  if (FButtons.empty() || Destroying()) return;
  const int count = ButtonCount();
  const int rows = (count + FColumns - 1) / FColumns;
  const TRect client = ClientRect();
  const int caption = CaptionHeight();
  const int columnWidth = std::max((client.Width() - 10) / FColumns, 0);
  const int room = std::max(client.Height() - caption - 5, 0);
  const int rowHeight = room / rows;
  const int top = caption + 1 + (room % rows) / 2;
  for (int i = 0; i < count; ++i) {
    const int column = i / rows;
    const int row = i % rows;
    FButtons[static_cast<size_t>(i)]->SetBounds(8 + column * columnWidth, top + row * rowHeight, columnWidth, rowHeight);
  }
}

void TCustomRadioGroup::Resize() {
  inherited::Resize();
  ArrangeButtons();
}

void TCustomRadioGroup::FontChanged() {
  inherited::FontChanged();
  ArrangeButtons();
}
