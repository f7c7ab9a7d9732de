#pragma once
#include <vector>

#include "CustomControl.h"
#include "ToolBarTypes.h"

class TImageList;
class TToolButton;

// A bar of TToolButtons, aligned to the top of its parent by default.
//
// Buttons. A TToolButton joins the bar when its Parent becomes the bar. Buttons(i) lists them in
// the order they joined. The order on screen is separate: a button that joins goes before the first
// button whose Left is at least its own Left (at the end when there is none), so a button made with
// Left 0 goes first and one given a Left past the last button goes last. When the bar is loaded
// from a form resource, its buttons are put in the order of their stored Top and Left. The layout
// runs once the bar has a window or has been loaded (until then buttons keep the Left and Top they
// were given, which is what lets the stored places decide the order); after that it owns Left and
// Top.
//
// Layout. Inside the edges and BorderWidth, buttons run left to right from Indent (right to left
// for bdRightToLeft), all ButtonHeight tall; a separator or divider is as wide as its Width, an
// AutoSize button as its content, any other button ButtonWidth. With Wrapable a button that would
// pass the right end starts a new row; a button's Wrap always ends its row. AutoSize makes the bar
// exactly as tall as its rows.
//
// Mouse. A left press on an enabled button (not a gap) holds it: the bar keeps the mouse capture
// until the release, the button shows pushed while the mouse is over it, and a release over the
// same button clicks it (ClickButton). A release elsewhere, a loss of the capture to another window
// or a mouse move without the left button (the release went elsewhere) ends the press without a
// click. The hot button follows the mouse (only the held button can be hot during a press).
//
// Hooks for a subclass (a menu bar, a skinned bar):
//   Paint                  the bar's background and edges; the buttons are painted after it.
//   PaintButton            one button, given its state (TToolButtonDrawState); a TToolButton
//                          subclass may override its own Paint instead and read
//                          ButtonDrawState(*this).
//   ButtonPressed          a left press has just started holding Button (the press handling is
//                          done: capture, pushed state); the place to drop down a menu. A hook that
//                          takes the mouse (a popup menu runs) ends the press without a click;
//                          otherwise the release is handled as usual afterwards.
//   MouseEnterButton,
//   MouseLeaveButton       the mouse came over / left an enabled button (also during a press).
//   ClickButton            what a click does: check and group handling, then the button's Click.
//                          Public, so a subclass or a program can click a button as the mouse does.
// WndProc stays the way in for everything else: a subclass that handles WM_LBUTTONDOWN itself and
// then passes it on gets the bar's own press handling after its own.
class TToolBar : public TCustomControl {
  VEXA_CLASS(TToolBar, TCustomControl)

public:
  explicit TToolBar(TComponent* AOwner);
  ~TToolBar() override;

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TToolButton* Buttons(int Index) const;  // EListError out of range
  // The visible button (of any style) at a client point, or null.
  TToolButton* ButtonAtPos(TPoint Point) const;
  // The buttons in the order they are laid out.
  const std::vector<TToolButton*>& DisplayOrder() const { return FOrder; }

  // The button under the mouse (see the class comment), the button held by the mouse, or null.
  TToolButton* HotButton() const;
  TToolButton* PushedButton() const { return FPressed; }
  TToolButtonDrawState ButtonDrawState(const TToolButton& Button) const;

  virtual void ClickButton(TToolButton* Button);

  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  // The parent's picture shows through the bar's background.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  TEdgeBorders EdgeBorders() const { return FEdgeBorders; }
  void SetEdgeBorders(TEdgeBorders Value);
  TEdgeStyle EdgeInner() const { return FEdgeInner; }
  void SetEdgeInner(TEdgeStyle Value);
  TEdgeStyle EdgeOuter() const { return FEdgeOuter; }
  void SetEdgeOuter(TEdgeStyle Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  int Indent() const { return FIndent; }
  void SetIndent(int Value);
  // Captions to the right of the images instead of under them.
  bool List() const { return FList; }
  void SetList(bool Value);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value);
  bool Wrapable() const { return FWrapable; }
  void SetWrapable(bool Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int Value);
  int ButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int Value);
  // Image lists are not owned; clear them here before freeing them.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  // Images of disabled buttons; without it the Images are drawn greyed.
  TImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TImageList* Value);

  // The area the buttons are laid out in: the client area less the edges and BorderWidth.
  TRect ButtonArea() const;
  // The width a button takes in the layout (see the class comment).
  int ButtonExtent(const TToolButton& Button) const;

  void SetBiDiMode(TBiDiMode Value) override;
  void WndProc(TMessage& Message) override;

protected:
  void Paint() override;
  virtual void PaintButton(TCanvas& Canvas, TToolButton& Button, TToolButtonDrawState State);
  virtual void ButtonPressed(TToolButton* Button) { (void)Button; }
  virtual void MouseEnterButton(TToolButton* Button) { (void)Button; }
  virtual void MouseLeaveButton(TToolButton* Button) { (void)Button; }

  void AlignControls(TRect& Rect) override;
  void Loaded() override;

private:
  friend class TToolButton;
  void InsertButton(TToolButton* Button);
  void RemoveButton(TToolButton* Button);
  void ButtonChanged(TToolButton* Button, bool Layout);
  void ReleaseGroup(TToolButton* Button);
  void ButtonMouseDown(TToolButton* Button);
  void ButtonMouseMove(TToolButton* Button, int X, int Y, WPARAM Flags);
  void ButtonMouseUp(TToolButton* Button, int X, int Y);
  void ButtonMouseEnter(TToolButton* Button);
  void ButtonMouseLeave(TToolButton* Button);
  void EndPress();
  void DropLostPress();
  void LayoutButtons();
  void PaintEdges(TCanvas& Canvas);
  int EdgeSize(TEdgeBorder Side) const;
  void Changed();

  std::vector<TToolButton*> FButtons;
  std::vector<TToolButton*> FOrder;
  TToolButton* FPressed = nullptr;
  bool FPressedInside = false;
  TToolButton* FMouseOver = nullptr;
  TToolButton* FCaptured = nullptr;  // the button the parent routes the mouse to since a left press
  bool FInButtonUp = false;
  bool FSwallowRelease = false;
  bool FLoadedOnce = false;

  bool FFlat = false;
  bool FTransparent = false;
  TEdgeBorders FEdgeBorders{ebTop};
  TEdgeStyle FEdgeInner = esRaised;
  TEdgeStyle FEdgeOuter = esLowered;
  int FBorderWidth = 0;
  int FIndent = 0;
  bool FList = false;
  bool FShowCaptions = false;
  bool FWrapable = true;
  bool FAutoSize = false;
  int FButtonWidth = 23;
  int FButtonHeight = 22;
  TImageList* FImages = nullptr;
  TImageList* FDisabledImages = nullptr;
};
