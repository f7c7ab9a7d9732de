#pragma once
#include <windows.h>

#include "Application.h"
#include "FormTypes.h"
#include "NativeControl.h"

// A push button (the platform's "BUTTON" class). Click runs OnClick and, when ModalResult is set,
// gives the parent form that result, which closes a modal form. A Default button is clicked by
// Return pressed anywhere on its form (unless the focused control is a button or takes Return
// itself); a Cancel button by Escape. A focused button is clicked by Return and by Space.
class TCustomButton : public TNativeControl {
  VEXA_CLASS(TCustomButton, TNativeControl)

public:
  explicit TCustomButton(TComponent* AOwner);
  ~TCustomButton() override;

  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value);
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

  void Click() override;
  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  // The BS_ type bits of the window: a push button, or a default push button.
  virtual DWORD ButtonType() const;
  // Puts ButtonType into the window after a change of Default.
  void UpdateButtonType();

private:
  void UpdateKeyHandler();
  void DialogKey(WORD& Key);

  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
  TKeyDownHandlerId FKeyHandler = 0;
};
