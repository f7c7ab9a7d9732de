#pragma once
#include "FormTypes.h"
#include "ScrollingWinControl.h"

// A scrolling container with a sunken border (BorderStyle bsSingle, the default).
class TScrollBox : public TScrollingWinControl {
  VEXA_CLASS(TScrollBox, TScrollingWinControl)

public:
  explicit TScrollBox(TComponent* AOwner);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

protected:
  void CreateParams(TCreateParams& Params) const override;

private:
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
};
