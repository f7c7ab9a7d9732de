#include "ColorDialog.h"

#include <commdlg.h>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "Publisher.h"
#include "StringList.h"

VEXA_DEFINE_CLASS(TColorDialog) {
  PUBLISHED(Color, "TColor").Default(clBlack);
  PUBLISHED(CustomColors);
  PUBLISHED(Options).Default(TColorDialogOptions{});
}

namespace {

constexpr int kCustomColorCount = 16;

std::string SlotName(int Index) { return std::string("Color") + static_cast<char>('A' + Index); }

// Six hex digits, or white (an empty slot of the system's dialog) for anything else.
COLORREF ParseSlot(const std::string& Text) {
  if (Text.empty() || Text.size() > 6) return RGB(255, 255, 255);
  char* end = nullptr;
  const unsigned long value = std::strtoul(Text.c_str(), &end, 16);
  return *end == '\0' ? static_cast<COLORREF>(value) : RGB(255, 255, 255);
}

std::string FormatSlot(COLORREF Value) {
  char text[8];
  std::snprintf(text, sizeof(text), "%06lX", static_cast<unsigned long>(Value & 0xFFFFFF));
  return text;
}

}  // namespace

TColorDialog::TColorDialog(TComponent* AOwner) : TCommonDialog(AOwner), FCustomColors(std::make_unique<TStringList>()) {}

TColorDialog::~TColorDialog() = default;

TStrings* TColorDialog::CustomColors() const { return FCustomColors.get(); }

void TColorDialog::SetCustomColors(TStrings* Value) {
  if (Value != FCustomColors.get()) FCustomColors->Assign(Value);
}

bool TColorDialog::DoExecute(HWND Owner) {
  std::array<COLORREF, kCustomColorCount> custom;
  for (int i = 0; i < kCustomColorCount; ++i) custom[static_cast<size_t>(i)] = ParseSlot(FCustomColors->Values(SlotName(i)));

  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = Owner;
  cc.rgbResult = ToColorRef(FColor);
  cc.lpCustColors = custom.data();
  cc.Flags = CC_RGBINIT;
  if (FOptions.Contains(cdFullOpen)) cc.Flags |= CC_FULLOPEN;
  if (FOptions.Contains(cdPreventFullOpen)) cc.Flags |= CC_PREVENTFULLOPEN;
  if (FOptions.Contains(cdSolidColor)) cc.Flags |= CC_SOLIDCOLOR;
  if (FOptions.Contains(cdAnyColor)) cc.Flags |= CC_ANYCOLOR;
  if (!ChooseColorW(&cc)) return false;

  FColor = static_cast<TColor>(cc.rgbResult & 0xFFFFFF);
  FCustomColors->BeginUpdate();
  for (int i = 0; i < kCustomColorCount; ++i) FCustomColors->SetValue(SlotName(i), FormatSlot(custom[static_cast<size_t>(i)]));
  FCustomColors->EndUpdate();
  return true;
}
