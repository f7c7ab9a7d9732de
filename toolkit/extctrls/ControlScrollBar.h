#pragma once
#include "ExtCtrlsTypes.h"
#include "Persistent.h"

class TScrollingWinControl;

// One scroll bar of a TScrollingWinControl (the window's own horizontal or vertical bar).
// Position is how far the content is scrolled, in pixels; Range is the content's size along the
// bar (computed from the children while the control's AutoScroll is on, else as set). The bar
// shows when Visible and the Range is larger than the client area.
class TControlScrollBar : public TPersistent {
  VEXA_CLASS(TControlScrollBar, TPersistent)

public:
  TControlScrollBar(TScrollingWinControl& Control, TScrollBarKind Kind);

  TScrollBarKind Kind() const { return FKind; }
  // Brought within 0 and Range less the client size; the children move with it.
  int Position() const { return FPosition; }
  void SetPosition(int Value);
  int Range() const { return FRange; }
  void SetRange(int Value);
  // Pixels scrolled by one arrow click.
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  // The platform's bar is shown now.
  bool IsScrollBarVisible() const;

  void Assign(const TPersistent* Source) override;

private:
  friend class TScrollingWinControl;
  TScrollingWinControl& FControl;
  TScrollBarKind FKind;
  int FPosition = 0;
  int FRange = 0;
  int FIncrement = 8;
  bool FVisible = true;
};
