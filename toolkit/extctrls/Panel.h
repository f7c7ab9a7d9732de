#pragma once
#include "CustomPanel.h"

// The panel of the component palette: TCustomPanel with its properties published.
class TPanel : public TCustomPanel {
  VEXA_CLASS(TPanel, TCustomPanel)

public:
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}
};
