#pragma once
#include "CustomPage.h"

class TPageControl;

// A page of a page control; its Caption and ImageIndex are shown on its tab.
class TTabSheet : public TCustomPage {
  VEXA_CLASS(TTabSheet, TCustomPage)

public:
  explicit TTabSheet(TComponent* AOwner) : TCustomPage(AOwner) {}

  TPageControl* PageControl() const;
  // The same as SetParent: the sheet becomes the last page of Value (null takes it out).
  void SetPageControl(TPageControl* Value);
};
