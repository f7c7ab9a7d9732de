#include "CustomFrame.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TCustomFrame) {}

TCustomFrame::TCustomFrame(TComponent* AOwner) : TScrollingWinControl(AOwner) { SetBounds(0, 0, 320, 240); }
