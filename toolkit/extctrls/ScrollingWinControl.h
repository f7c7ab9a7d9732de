#pragma once
#include <memory>

#include "ControlScrollBar.h"
#include "CustomControl.h"

// A container whose children may extend beyond its client area: the window's own scroll bars
// appear when they do (AutoScroll), and scrolling moves the children. Children with an Align
// other than alNone stay where the layout puts them and do not count.
//
// The range is worked out again when the control is resized, when a child window comes or goes,
// when the control repaints (moving, sizing or showing a child repaints the parent) and when
// UpdateScrollBars is called.
class TScrollingWinControl : public TCustomControl {
  VEXA_CLASS(TScrollingWinControl, TCustomControl)

public:
  explicit TScrollingWinControl(TComponent* AOwner);
  ~TScrollingWinControl() override;

  TControlScrollBar* HorzScrollBar() const { return FHorzScrollBar.get(); }
  void SetHorzScrollBar(TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
  TControlScrollBar* VertScrollBar() const { return FVertScrollBar.get(); }
  void SetVertScrollBar(TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
  bool AutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);

  // Moves the scrollable children by DeltaX, DeltaY (the content scrolls the other way round).
  void ScrollBy(int DeltaX, int DeltaY);
  // Scrolls so that Control (a child or a child's child) is wholly visible, if it fits.
  void ScrollInView(TControl* Control);
  // Works out the range again and shows or hides the scroll bars.
  void UpdateScrollBars();
  // The size of the content: the far edges of the scrollable children, scrolling undone.
  TSize ContentExtent() const;

  void WndProc(TMessage& Message) override;

protected:
  void AlignControls(TRect& Rect) override;
  void CreateWnd() override;

private:
  friend class TControlScrollBar;
  void ScrollTo(TControlScrollBar& Bar, int Position);
  void HandleScroll(TControlScrollBar& Bar, WPARAM Request);
  int PageSize(const TControlScrollBar& Bar) const;
  void SyncScrollInfo(const TControlScrollBar& Bar, bool Show);

  std::unique_ptr<TControlScrollBar> FHorzScrollBar;
  std::unique_ptr<TControlScrollBar> FVertScrollBar;
  bool FAutoScroll = true;
  bool FUpdatingBars = false;
  TSize FLastExtent{-1, -1};
};
