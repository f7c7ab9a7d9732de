#pragma once
#include <windows.h>

#include <functional>

#include "ComCtrlsTypes.h"
#include "NativeControl.h"

// Runs after an arrow click of an up-down control moved its position; Button says which arrow.
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;

// A pair of arrow buttons (the platform's "msctls_updown32") that move Position between Min and
// Max by Increment. OnChanging may refuse a move before it happens; OnClick follows one with the
// arrow that made it. Associate is a control (typically an edit) the arrows stand beside and whose
// text shows Position. Orientation and Wrap are window styles: changing them makes the window
// again.
class TCustomUpDown : public TNativeControl {
  VEXA_CLASS(TCustomUpDown, TNativeControl)

public:
  explicit TCustomUpDown(TComponent* AOwner);
  ~TCustomUpDown() override;

  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation Value);
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const;
  void SetPosition(int Value);
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value);
  bool Wrap() const { return FWrap; }
  void SetWrap(bool Value);
  TWinControl* Associate() const { return FAssociate; }
  void SetAssociate(TWinControl* Value);

  const TTabChangingEvent& OnChanging() const { return FOnChanging; }
  void SetOnChanging(TTabChangingEvent Value) { FOnChanging = std::move(Value); }
  const TUDClickEvent& OnClick() const { return FOnClick; }
  void SetOnClick(TUDClickEvent Value) { FOnClick = std::move(Value); }

  using TNativeControl::Click;
  virtual void Click(TUDBtnType Button);
  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void ApplyRange();
  void ApplyBuddy();
  void PositionChanged();

  TUDOrientation FOrientation = udVertical;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FIncrement = 1;
  bool FWrap = false;
  TWinControl* FAssociate = nullptr;
  TTabChangingEvent FOnChanging;
  TUDClickEvent FOnClick;
};
