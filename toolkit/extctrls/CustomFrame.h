#pragma once
#include "ScrollingWinControl.h"

// A reusable group of controls placed on forms. A frame class makes its controls in its
// constructor, owned by the frame and with the frame (or one of its containers) as parent. Since
// the frame owns them, a form resource stores them nested under the frame, so their names only
// need to be unique within the frame, and reading the form's resource gives them their values.
class TCustomFrame : public TScrollingWinControl {
  VEXA_CLASS(TCustomFrame, TScrollingWinControl)

public:
  explicit TCustomFrame(TComponent* AOwner);
};
