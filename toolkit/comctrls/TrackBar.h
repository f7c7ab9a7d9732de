#pragma once
#include <windows.h>

#include <vector>

#include "ComCtrlsTypes.h"
#include "NativeControl.h"
#include "NotifyEvent.h"

// A slider (the platform's "msctls_trackbar32"). Position runs from Min to Max and follows the
// thumb whether the user drags it, clicks the channel or presses keys; every change of Position
// runs OnChange. TickStyle tsAuto puts a tick every Frequency positions, tsManual only where SetTick
// put one. Orientation, TickStyle and TickMarks are window styles, so changing them makes the
// window again.
class TTrackBar : public TNativeControl {
  VEXA_CLASS(TTrackBar, TNativeControl)

public:
  explicit TTrackBar(TComponent* AOwner);

  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation Value);
  TTickStyle TickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle Value);
  TTickMark TickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark Value);
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const;
  void SetPosition(int Value);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int Value);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int Value);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  // Adds a tick at Value (for tsManual).
  void SetTick(int Value);

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void Changed();

private:
  void SyncPosition();

  TTrackBarOrientation FOrientation = trHorizontal;
  TTickStyle FTickStyle = tsAuto;
  TTickMark FTickMarks = tmBottomRight;
  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FFrequency = 1;
  int FLineSize = 1;
  int FPageSize = 2;
  std::vector<int> FTicks;
  TNotifyEvent FOnChange;
};
