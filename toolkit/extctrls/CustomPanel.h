#pragma once
#include "CustomControl.h"
#include "ExtCtrlsTypes.h"
#include "FormTypes.h"

// A container drawn as a plate: an outer bevel, a border of the panel's colour BorderWidth wide,
// an inner bevel, and the caption in the middle. Children are laid out inside the bevels and the
// border, so an alClient child leaves them visible. BorderStyle bsSingle adds the platform's sunken
// client edge around everything.
class TCustomPanel : public TCustomControl {
  VEXA_CLASS(TCustomPanel, TCustomControl)

public:
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int Value);  // at least 1
  // The sides the bevels are drawn on (and inset the children on).
  TBevelEdges BevelEdges() const { return FBevelEdges; }
  void SetBevelEdges(TBevelEdges Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);  // 0 or more
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The client area less the bevels and the border: where children are laid out.
  TRect InnerRect() const;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void AlignControls(TRect& Rect) override;
  void Paint() override;
  // Draws the caption into Rect (the area inside the bevels).
  virtual void PaintCaption(TRect Rect);

private:
  void FrameChanged();

  TAlignment FAlignment = taCenter;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int FBevelWidth = 1;
  TBevelEdges FBevelEdges{beLeft, beTop, beRight, beBottom};
  int FBorderWidth = 0;
  TBorderStyle FBorderStyle = TBorderStyle::bsNone;
};
