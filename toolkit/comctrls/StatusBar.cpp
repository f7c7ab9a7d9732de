#include "StatusBar.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <vector>

#include "PublishedControl.h"
#include "TextEncoding.h"

VEXA_DEFINE_CLASS(TStatusBar) {
  PUBLISHED(Align).Default(alBottom);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(Color, "TColor").Default(clBtnFace).Stored(&TControl::IsColorStored);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(Panels);
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(SimplePanel).Default(true);
  PUBLISHED(SimpleText);
  PUBLISHED(SizeGrip).Default(true);
  PUBLISHED(Visible).Default(true);
}

TStatusBar::TStatusBar(TComponent* AOwner)
    : TNativeControl(AOwner, STATUSCLASSNAMEW, ICC_BAR_CLASSES),
      FPanels(std::make_unique<TStatusPanels>(*this)),
      FCanvas(*this) {
  SetBounds(0, 0, 200, 20);
  SetAlign(alBottom);
}

TStatusBar::~TStatusBar() {
  MarkDestroying();
  FCanvas.Release();
  DestroyHandle();
}

void TStatusBar::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  // The toolkit places the bar (Align); the platform must not move or size it.
  Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (FSizeGrip) Params.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd() {
  inherited::CreateWnd();
  ApplyColor();
  ApplyPanels();
}

void TStatusBar::DestroyWnd() {
  FCanvas.Release();
  inherited::DestroyWnd();
}

TCanvas& TStatusBar::Canvas() {
  FCanvas.Acquire();
  return FCanvas;
}

void TStatusBar::ApplyColor() {
  if (!HandleAllocated()) return;
  const COLORREF color = Color() == clBtnFace ? CLR_DEFAULT : static_cast<COLORREF>(ColorToRGB(Color()));
  Perform(SB_SETBKCOLOR, 0, static_cast<LPARAM>(color));
  Invalidate();
}

void TStatusBar::ColorChanged() {
  inherited::ColorChanged();
  ApplyColor();
}

void TStatusBar::SetSimpleText(const std::string& Value) {
  FSimpleText = Value;
  if (!HandleAllocated()) return;
  const std::wstring text = Utf8ToWide(Value);
  Perform(SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::SetSimplePanel(bool Value) {
  if (Value == FSimplePanel) return;
  FSimplePanel = Value;
  if (HandleAllocated()) Perform(SB_SIMPLE, Value);
}

void TStatusBar::SetSizeGrip(bool Value) {
  if (Value == FSizeGrip) return;
  FSizeGrip = Value;
  RecreateWnd();
}

void TStatusBar::PanelsChanged(TStatusPanel* Panel) {
  if (!HandleAllocated() || Destroying()) return;
  if (Panel) ApplyPanelText(Panel->Index());
  else ApplyPanels();
}

// The platform aligns a part's text by tabs before it: one centres it, two put it on the right.
void TStatusBar::ApplyPanelText(int Index) {
  if (Index < 0 || Index >= FPanels->Count()) return;
  const TStatusPanel* panel = FPanels->Items(Index);
  std::wstring text = Utf8ToWide(panel->Text());
  if (panel->Alignment() == taCenter) text.insert(0, L"\t");
  else if (panel->Alignment() == taRightJustify) text.insert(0, L"\t\t");
  Perform(SB_SETTEXTW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::ApplyPanels() {
  if (!HandleAllocated()) return;
  std::vector<int> edges;
  int right = 0;
  for (int i = 0; i < FPanels->Count(); ++i) {
    right += FPanels->Items(i)->Width();
    edges.push_back(i + 1 == FPanels->Count() ? -1 : right);
  }
  if (edges.empty()) edges.push_back(-1);
  Perform(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < FPanels->Count(); ++i) ApplyPanelText(i);
  Perform(SB_SIMPLE, FSimplePanel);
  SetSimpleText(FSimpleText);
}

void TStatusBar::WndProc(TMessage& Message) {
  // The bar paints afresh, or its window goes: a DC held from before would be stale.
  if (Message.Msg == WM_PAINT || Message.Msg == WM_DESTROY) FCanvas.Release();
  inherited::WndProc(Message);
  if (Message.Msg == SB_SETBKCOLOR) {
    // A visual style paints its own background over the colour: whoever sets a colour (Color, or
    // a skinner sending CCM_SETBKCOLOR) gets the plain look that shows it.
    if (static_cast<COLORREF>(Message.LParam) == CLR_DEFAULT) SetWindowTheme(Handle(), nullptr, nullptr);
    else SetWindowTheme(Handle(), L" ", L" ");
  }
}
