#pragma once
#include "NotifyEvent.h"
#include "Persistent.h"

// The smallest and largest size a control may take; 0 means "no limit". Setting a minimum above
// the maximum raises the maximum with it, and the other way round, so the limits never cross.
// OnChange tells the control to fit itself into the new limits.
class TSizeConstraints : public TPersistent {
  VEXA_CLASS(TSizeConstraints, TPersistent)

public:
  TSizeConstraints() = default;

  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  int MaxHeight() const { return FMaxHeight; }
  void SetMaxHeight(int Value);

  // A width or height brought within the limits.
  int ClampWidth(int Width) const { return Clamp(Width, FMinWidth, FMaxWidth); }
  int ClampHeight(int Height) const { return Clamp(Height, FMinHeight, FMaxHeight); }

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  void Assign(const TPersistent* Source) override;

private:
  static int Clamp(int Value, int Min, int Max);
  void Change();

  int FMinWidth = 0;
  int FMinHeight = 0;
  int FMaxWidth = 0;
  int FMaxHeight = 0;
  TNotifyEvent FOnChange;
};
