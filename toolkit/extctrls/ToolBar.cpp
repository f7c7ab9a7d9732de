#include "ToolBar.h"

#include <algorithm>
#include <string>

#include "ClassesErrors.h"
#include "ControlMessages.h"
#include "Frame3D.h"
#include "ParentBackground.h"
#include "Publisher.h"
#include "TImageList.h"
#include "TextMeasure.h"
#include "ToolBarLayout.h"
#include "ToolButton.h"
#include "ToolButtonPainter.h"

VEXA_DEFINE_CLASS(TToolBar) {
  PUBLISHED(Align).Default(alTop);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(AutoSize).Default(false);
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(BorderWidth).Default(0);
  PUBLISHED(ButtonHeight).Default(22);
  PUBLISHED(ButtonWidth).Default(23);
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Color, "TColor").Default(clBtnFace).Stored(&TControl::IsColorStored);
  PUBLISHED(Constraints);
  PUBLISHED(EdgeBorders).Default(TEdgeBorders{ebTop});
  PUBLISHED(EdgeInner).Default(esRaised);
  PUBLISHED(EdgeOuter).Default(esLowered);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Flat).Default(false);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(Indent).Default(0);
  PUBLISHED(List).Default(false);
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowCaptions).Default(false);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(TabStop).Default(false);
  PUBLISHED(Transparent).Default(false);
  PUBLISHED(Visible).Default(true);
  PUBLISHED(Wrapable).Default(true);
}

namespace {
bool IsGap(const TToolButton& Button) {
  return Button.Style() == tbsSeparator || Button.Style() == tbsDivider;
}
}  // namespace

TToolBar::TToolBar(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
  SetBounds(0, 0, 150, 29);
  SetAlign(alTop);
}

TToolBar::~TToolBar() {
  // The base destructor frees the buttons; by then they must not call back into this bar.
  for (TToolButton* button : FButtons) button->FToolBar = nullptr;
  FButtons.clear();
  FOrder.clear();
  FPressed = FMouseOver = FCaptured = nullptr;
}

TToolButton* TToolBar::Buttons(int Index) const {
  if (Index < 0 || Index >= ButtonCount())
    throw EListError("Tool button index " + std::to_string(Index) + " out of bounds (" + std::to_string(ButtonCount()) +
                     " buttons)");
  return FButtons[static_cast<size_t>(Index)];
}

TToolButton* TToolBar::ButtonAtPos(TPoint Point) const {
  for (TToolButton* button : FOrder) {
    if (!button->Visible()) continue;
    const TRect r = button->BoundsRect();
    if (Point.X >= r.Left && Point.X < r.Right && Point.Y >= r.Top && Point.Y < r.Bottom) return button;
  }
  return nullptr;
}

TToolButton* TToolBar::HotButton() const {
  if (FPressed) return FPressedInside ? FPressed : nullptr;
  if (FMouseOver && FMouseOver->Enabled() && !IsGap(*FMouseOver)) return FMouseOver;
  return nullptr;
}

TToolButtonDrawState TToolBar::ButtonDrawState(const TToolButton& Button) const {
  TToolButtonDrawState state;
  if (HotButton() == &Button) state.Include(tdsHot);
  if (FPressed == &Button && FPressedInside) state.Include(tdsPushed);
  if (Button.Down()) state.Include(tdsDown);
  if (!Button.Enabled() || !Enabled()) state.Include(tdsDisabled);
  if (Button.Marked()) state.Include(tdsMarked);
  return state;
}

void TToolBar::ClickButton(TToolButton* Button) {
  if (!Button || !Button->Enabled() || IsGap(*Button)) return;
  if (Button->Style() == tbsCheck) {
    if (!Button->Grouped()) Button->SetDown(!Button->Down());
    else if (!Button->Down()) Button->SetDown(true);
    else if (Button->AllowAllUp()) Button->SetDown(false);
  }
  Button->Click();  // last: the handler may free the button
}

// --- settings ---------------------------------------------------------------------------------

void TToolBar::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  Invalidate();
}

void TToolBar::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Invalidate();
}

void TToolBar::SetEdgeBorders(TEdgeBorders Value) {
  if (Value == FEdgeBorders) return;
  FEdgeBorders = Value;
  Changed();
}

void TToolBar::SetEdgeInner(TEdgeStyle Value) {
  if (Value == FEdgeInner) return;
  FEdgeInner = Value;
  Changed();
}

void TToolBar::SetEdgeOuter(TEdgeStyle Value) {
  if (Value == FEdgeOuter) return;
  FEdgeOuter = Value;
  Changed();
}

void TToolBar::SetBorderWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FBorderWidth) return;
  FBorderWidth = Value;
  Changed();
}

void TToolBar::SetIndent(int Value) {
  Value = std::max(Value, 0);
  if (Value == FIndent) return;
  FIndent = Value;
  Changed();
}

void TToolBar::SetList(bool Value) {
  if (Value == FList) return;
  FList = Value;
  Changed();
}

void TToolBar::SetShowCaptions(bool Value) {
  if (Value == FShowCaptions) return;
  FShowCaptions = Value;
  Changed();
}

void TToolBar::SetWrapable(bool Value) {
  if (Value == FWrapable) return;
  FWrapable = Value;
  Changed();
}

void TToolBar::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  Changed();
}

void TToolBar::SetButtonWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FButtonWidth) return;
  FButtonWidth = Value;
  Changed();
}

void TToolBar::SetButtonHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == FButtonHeight) return;
  FButtonHeight = Value;
  Changed();
}

void TToolBar::SetImages(TImageList* Value) {
  if (Value == FImages) return;
  FImages = Value;
  Changed();
}

void TToolBar::SetDisabledImages(TImageList* Value) {
  if (Value == FDisabledImages) return;
  FDisabledImages = Value;
  Invalidate();
}

void TToolBar::SetBiDiMode(TBiDiMode Value) {
  if (Value == BiDiMode()) return;
  inherited::SetBiDiMode(Value);
  Realign();  // a right-to-left bar lays its buttons out from the right
}

void TToolBar::Changed() {
  Realign();
  Invalidate();
}

// --- buttons joining and leaving ---------------------------------------------------------------

void TToolBar::InsertButton(TToolButton* Button) {
  FButtons.push_back(Button);
  auto place = std::find_if(FOrder.begin(), FOrder.end(),
                            [Button](const TToolButton* other) { return other->Left() >= Button->Left(); });
  FOrder.insert(place, Button);
  Changed();
}

void TToolBar::RemoveButton(TToolButton* Button) {
  std::erase(FButtons, Button);
  std::erase(FOrder, Button);
  if (FPressed == Button) FPressed = nullptr;
  if (FMouseOver == Button) FMouseOver = nullptr;
  if (FCaptured == Button) FCaptured = nullptr;
  if (!Destroying()) Changed();
}

void TToolBar::ButtonChanged(TToolButton* Button, bool Layout) {
  if (!Button->Enabled() || !Button->Visible()) {
    if (FPressed == Button) EndPress();
    if (FMouseOver == Button) FMouseOver = nullptr;
  }
  if (Layout) Realign();
  Button->Invalidate();
}

void TToolBar::ReleaseGroup(TToolButton* Button) {
  auto inGroup = [](const TToolButton* b) { return b->Grouped() && b->Style() == tbsCheck; };
  const auto at = std::find(FOrder.begin(), FOrder.end(), Button);
  if (at == FOrder.end()) return;
  for (auto it = at; it != FOrder.begin() && inGroup(*(it - 1)); --it) (*(it - 1))->SetDown(false);
  for (auto it = at + 1; it != FOrder.end() && inGroup(*it); ++it) (*it)->SetDown(false);
}

void TToolBar::Loaded() {
  // The stored places give the order on screen.
  std::stable_sort(FOrder.begin(), FOrder.end(), [](const TToolButton* a, const TToolButton* b) {
    if (a->Top() != b->Top()) return a->Top() < b->Top();
    return a->Left() < b->Left();
  });
  FLoadedOnce = true;
  inherited::Loaded();
}

// --- layout ------------------------------------------------------------------------------------

int TToolBar::EdgeSize(TEdgeBorder Side) const {
  if (!FEdgeBorders.Contains(Side)) return 0;
  return (FEdgeOuter != esNone ? 1 : 0) + (FEdgeInner != esNone ? 1 : 0);
}

TRect TToolBar::ButtonArea() const {
  TRect r = ClientRect();
  r.Left += EdgeSize(ebLeft) + FBorderWidth;
  r.Top += EdgeSize(ebTop) + FBorderWidth;
  r.Right -= EdgeSize(ebRight) + FBorderWidth;
  r.Bottom -= EdgeSize(ebBottom) + FBorderWidth;
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

int TToolBar::ButtonExtent(const TToolButton& Button) const {
  if (IsGap(Button)) return Button.Width();
  const int arrow = Button.Style() == tbsDropDown ? kToolButtonArrowWidth : 0;
  if (!Button.AutoSize()) return FButtonWidth + arrow;
  const bool hasImage = FImages && Button.ImageIndex() >= 0;
  const int imageWidth = hasImage ? FImages->Width() : 0;
  const std::string caption = Button.Caption();
  const int textWidth =
      FShowCaptions && !caption.empty() ? MeasureText(*Button.Font(), caption, DT_SINGLELINE).cx : 0;
  if (!FList) {
    if (!FShowCaptions) return FButtonWidth + arrow;
    return std::max(imageWidth, textWidth) + 2 * kToolButtonPadding + arrow;
  }
  int width = 2 * kToolButtonPadding + textWidth + imageWidth + arrow;
  if (hasImage && textWidth > 0) width += kToolButtonImageGap;
  return width;
}

void TToolBar::AlignControls(TRect& Rect) {
  inherited::AlignControls(Rect);
  LayoutButtons();
}

void TToolBar::LayoutButtons() {
  if (!HandleAllocated() && !FLoadedOnce) return;
  const TRect area = ButtonArea();
  std::vector<TToolButton*> shown;
  std::vector<TToolBarLayoutItem> items;
  for (TToolButton* button : FOrder) {
    if (!button->Visible()) continue;
    shown.push_back(button);
    items.push_back(TToolBarLayoutItem{ButtonExtent(*button), button->Wrap()});
  }
  const TToolBarLayout layout = LayoutToolButtons(items, FIndent, area.Width(), FButtonHeight, FWrapable);
  const bool mirrored = BiDiMode() == bdRightToLeft;
  for (size_t i = 0; i < shown.size(); ++i) {
    const int width = items[i].Width;
    const TPoint at = layout.Positions[i];
    const int x = mirrored ? area.Right - at.X - width : area.Left + at.X;
    shown[i]->SetBounds(x, area.Top + at.Y, width, FButtonHeight);
  }
  if (FAutoSize && Align() != alLeft && Align() != alRight && Align() != alClient) {
    const int rows = std::max(layout.Rows, 1);
    const int height = rows * FButtonHeight + EdgeSize(ebTop) + EdgeSize(ebBottom) + 2 * FBorderWidth;
    if (height != Height()) SetHeight(height);
  }
}

// --- mouse -------------------------------------------------------------------------------------

void TToolBar::ButtonMouseDown(TToolButton* Button) {
  FCaptured = Button;
  if (!Button->Enabled() || !Enabled() || IsGap(*Button)) return;
  if (FPressed && FPressed != Button) EndPress();
  FPressed = Button;
  FPressedInside = true;
  Button->Invalidate();
  ButtonPressed(Button);
}

void TToolBar::ButtonMouseMove(TToolButton* Button, int X, int Y, WPARAM Flags) {
  if (FPressed != Button) return;
  if (!(Flags & MK_LBUTTON)) return;  // the bar's WndProc ends a press whose release went elsewhere
  const bool inside = X >= 0 && Y >= 0 && X < Button->Width() && Y < Button->Height();
  if (inside == FPressedInside) return;
  FPressedInside = inside;
  Button->Invalidate();
}

void TToolBar::ButtonMouseUp(TToolButton* Button, int X, int Y) {
  if (FCaptured == Button) FCaptured = nullptr;
  if (FPressed != Button) return;
  const bool inside = X >= 0 && Y >= 0 && X < Button->Width() && Y < Button->Height();
  EndPress();
  if (inside) ClickButton(Button);
}

void TToolBar::ButtonMouseEnter(TToolButton* Button) {
  FMouseOver = Button;
  Button->Invalidate();
  MouseEnterButton(Button);
}

void TToolBar::ButtonMouseLeave(TToolButton* Button) {
  if (FMouseOver == Button) FMouseOver = nullptr;
  Button->Invalidate();
  MouseLeaveButton(Button);
}

void TToolBar::EndPress() {
  TToolButton* button = FPressed;
  FPressed = nullptr;
  FPressedInside = false;
  if (button) button->Invalidate();
}

void TToolBar::DropLostPress() {
  // The release never came (a menu or another window took the mouse): end the press without a
  // click, and let the base class drop its routing to the button with a release nobody sees.
  EndPress();
  TToolButton* button = std::exchange(FCaptured, nullptr);
  if (!button) return;
  FSwallowRelease = true;
  TMessage release{WM_LBUTTONUP, 0, MAKELPARAM(button->Left(), button->Top()), 0};
  try {
    TCustomControl::WndProc(release);
  } catch (...) {
    FSwallowRelease = false;
    throw;
  }
  FSwallowRelease = false;
}

void TToolBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      if (FCaptured && !(Message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) DropLostPress();
      break;
    case WM_CAPTURECHANGED:
      if (FCaptured && !FInButtonUp && reinterpret_cast<HWND>(Message.LParam) != Handle()) DropLostPress();
      break;
    case WM_LBUTTONUP:
      FInButtonUp = true;
      try {
        TCustomControl::WndProc(Message);
      } catch (...) {
        FInButtonUp = false;
        throw;
      }
      FInButtonUp = false;
      return;
    case CM_ENABLEDCHANGED:
      if (!Enabled()) EndPress();
      break;
    case CM_FONTCHANGED:
      Realign();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

// --- painting ----------------------------------------------------------------------------------

void TToolBar::Paint() {
  TCanvas& canvas = Canvas();
  if (FTransparent) PaintParentBackground(*this, canvas.Handle());
  PaintEdges(canvas);
}

void TToolBar::PaintEdges(TCanvas& Canvas) {
  TRect r = ClientRect();
  const TBevelEdges sides = TBevelEdges::FromBits(FEdgeBorders.Bits());
  for (TEdgeStyle ring : {FEdgeOuter, FEdgeInner}) {
    if (ring == esNone) continue;
    if (ring == esRaised) Frame3D(Canvas, r, clBtnHighlight, clBtnShadow, 1, sides);
    else Frame3D(Canvas, r, clBtnShadow, clBtnHighlight, 1, sides);
  }
}

void TToolBar::PaintButton(TCanvas& Canvas, TToolButton& Button, TToolButtonDrawState State) {
  PaintToolButton(Canvas, *this, Button, State);
}
