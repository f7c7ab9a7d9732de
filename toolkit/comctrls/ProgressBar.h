#pragma once
#include <windows.h>

#include "ComCtrlsTypes.h"
#include "NativeControl.h"

// A progress bar (the platform's "msctls_progress32"): Position between Min and Max, set with
// PBM_SETPOS; StepIt advances it by Step, wrapping to Min past Max as the platform does.
// Orientation is a window style, so changing it makes the window again.
class TProgressBar : public TNativeControl {
  VEXA_CLASS(TProgressBar, TNativeControl)

public:
  explicit TProgressBar(TComponent* AOwner);

  TProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation Value);
  int Min() const { return FMin; }
  void SetMin(int Value);
  int Max() const { return FMax; }
  void SetMax(int Value);
  int Position() const;
  void SetPosition(int Value);
  int Step() const { return FStep; }
  void SetStep(int Value);
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool Value);
  void StepIt();
  void StepBy(int Delta);

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;

private:
  TProgressBarOrientation FOrientation = pbHorizontal;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FStep = 10;
  bool FSmooth = false;
};
