#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "ControlDCCanvas.h"
#include "NativeControl.h"
#include "StatusPanels.h"

// A status bar (the platform's "msctls_statusbar32"), aligned to the bottom of its parent by
// default. With SimplePanel it shows SimpleText across its width; otherwise it shows Panels side by
// side. Color is its background (CCM_SETBKCOLOR; clBtnFace is the platform's default). SizeGrip
// shows the sizing grip at the right end; it is a window style, so changing it makes the window
// again. Canvas draws on the bar outside its own painting.
class TStatusBar : public TNativeControl {
  VEXA_CLASS(TStatusBar, TNativeControl)

public:
  explicit TStatusBar(TComponent* AOwner);
  ~TStatusBar() override;

  const std::string& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& Value);
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool Value);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool Value);
  TStatusPanels* Panels() const { return FPanels.get(); }
  void SetPanels(TStatusPanels* Value) { FPanels->Assign(Value); }

  TCanvas& Canvas();

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void ColorChanged() override;

private:
  friend class TStatusPanels;
  void PanelsChanged(TStatusPanel* Panel);
  void ApplyColor();
  void ApplyPanelText(int Index);
  void ApplyPanels();

  std::string FSimpleText;
  bool FSimplePanel = true;
  bool FSizeGrip = true;
  std::unique_ptr<TStatusPanels> FPanels;
  TControlDCCanvas FCanvas;
};
