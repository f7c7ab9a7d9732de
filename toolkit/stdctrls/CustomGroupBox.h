#pragma once
#include <windows.h>

#include "NativeControl.h"

// A captioned frame around other controls ("BUTTON" with BS_GROUPBOX). It takes child controls;
// aligned children are laid out inside the frame, below the caption.
class TCustomGroupBox : public TNativeControl {
  VEXA_CLASS(TCustomGroupBox, TNativeControl)

public:
  explicit TCustomGroupBox(TComponent* AOwner);

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void AlignControls(TRect& Rect) override;
  // The height of one line of the caption in the control's font.
  int CaptionHeight() const;
};
