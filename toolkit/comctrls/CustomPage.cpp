#include "CustomPage.h"

#include "ControlMessages.h"
#include "CustomNotebook.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomPage) {}

TCustomPage::TCustomPage(TComponent* AOwner) : TWinControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  FVisible = false;  // the notebook shows the active page
  SetParentColor(true);
}

TCustomPage::~TCustomPage() {
  MarkDestroying();
  if (FNotebook) FNotebook->RemovePage(this);
}

int TCustomPage::PageIndex() const { return FNotebook ? FNotebook->IndexOfPage(this) : -1; }

void TCustomPage::SetPageIndex(int Value) {
  if (FNotebook) FNotebook->MovePage(this, Value);
}

void TCustomPage::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  if (FNotebook) FNotebook->PageEdited(this);
}

void TCustomPage::SetParent(TWinControl* Value) {
  inherited::SetParent(Value);
  auto* notebook = dynamic_cast<TCustomNotebook*>(Value);
  if (notebook == FNotebook) return;
  if (FNotebook) FNotebook->RemovePage(this);
  if (notebook) notebook->InsertPage(this);
}

void TCustomPage::WndProc(TMessage& Message) {
  inherited::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED && FNotebook) FNotebook->PageEdited(this);
}
