#pragma once
#include "GraphicControl.h"
#include "ToolBarTypes.h"

class TMenuItem;
class TToolBar;

// A button of a TToolBar. It has no window: the bar places it (see TToolBar for the layout rules),
// paints it through TToolBar::PaintButton and decides what a press, a release and a click do.
//
// A button standing for a menu item (MenuItem) takes the item's Caption, Enabled, Hint and
// ImageIndex when the item is assigned, and clicking it runs the item unless the button has an
// OnClick of its own.
class TToolButton : public TGraphicControl {
  VEXA_CLASS(TToolButton, TGraphicControl)

public:
  explicit TToolButton(TComponent* AOwner);
  ~TToolButton() override;

  // Setting a separator or divider style outside loading gives the button the width of a gap (8).
  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle Value);
  // The image of the bar's Images shown on the button; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  // Check buttons next to each other that are all Grouped form a group: at most one is down.
  bool Grouped() const { return FGrouped; }
  void SetGrouped(bool Value);
  // A grouped check button that is down goes up when clicked only when AllowAllUp.
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  // Down: a check button is checked (a button of another style just shows pressed). Putting a
  // grouped check button down puts the others of its group up.
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  // A highlight set by the program (a menu bar's keyboard selection); painted like a hot button.
  bool Marked() const { return FMarked; }
  void SetMarked(bool Value);
  // The width follows the content (image and caption) instead of the bar's ButtonWidth.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  // The bar starts a new row after this button.
  bool Wrap() const { return FWrap; }
  void SetWrap(bool Value);

  TMenuItem* MenuItem() const { return FMenuItem; }
  void SetMenuItem(TMenuItem* Value);

  // The bar the button is on, and its place in the bar's Buttons list (-1 off a bar).
  TToolBar* ToolBar() const { return FToolBar; }
  int Index() const;

  // The button's action: OnClick when set, otherwise the menu item's Click. The bar calls it after
  // its own check and group handling (TToolBar::ClickButton).
  void Click() override;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void WndProc(TMessage& Message) override;

protected:
  // Asks the bar to paint the button (TToolBar::PaintButton with the button's present state). A
  // subclass may paint itself instead, reading the state from ToolBar()->ButtonDrawState(*this).
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TToolBar;
  void AttachToBar();
  void Changed(bool Layout);

  TToolButtonStyle FStyle = tbsButton;
  int FImageIndex = -1;
  bool FGrouped = false;
  bool FAllowAllUp = false;
  bool FDown = false;
  bool FMarked = false;
  bool FAutoSize = false;
  bool FWrap = false;
  TMenuItem* FMenuItem = nullptr;
  TToolBar* FToolBar = nullptr;
};
