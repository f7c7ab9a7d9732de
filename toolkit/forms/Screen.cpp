#include "Screen.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "ClassesErrors.h"
#include "CustomForm.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TScreen) {}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TCustomForm* TScreen::Forms(int Index) const {
  if (Index < 0 || Index >= FormCount())
    throw EListError("Form index " + std::to_string(Index) + " out of bounds (" + std::to_string(FormCount()) + " forms)");
  return FForms[static_cast<size_t>(Index)];
}

TWinControl* TScreen::ActiveControl() const { return FActiveForm ? FActiveForm->ActiveControl() : nullptr; }

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
  if (FActiveForm == Form) FActiveForm = nullptr;
}
