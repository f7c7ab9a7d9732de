#pragma once
#include <windows.h>

#include "FormTypes.h"
#include "NativeControl.h"
#include "NotifyEvent.h"

// A text field (the platform's "EDIT" class). Text is the window's text; OnChange runs whenever it
// changes, by typing or by code (EN_CHANGE). BorderStyle bsSingle gives the sunken edge; changing
// it makes the window again. SelStart/SelLength are the selection in characters.
class TCustomEdit : public TNativeControl {
  VEXA_CLASS(TCustomEdit, TNativeControl)

public:
  explicit TCustomEdit(TComponent* AOwner);

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // The most characters the user may type; 0 for the platform's limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  int SelStart() const;
  void SetSelStart(int Value);
  int SelLength() const;
  void SetSelLength(int Value);
  void SelectAll();
  // True once the user (or code) changed the text since Modified was last cleared.
  bool Modified() const;
  void SetModified(bool Value);

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void Change();

private:
  bool FReadOnly = false;
  int FMaxLength = 0;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  int FSelStart = 0;
  int FSelLength = 0;
  TNotifyEvent FOnChange;
};
