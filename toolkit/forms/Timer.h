#pragma once
#include <memory>

#include "Component.h"
#include "NotifyEvent.h"

class TUtilityWindow;

// Runs OnTimer every Interval milliseconds on the user-interface thread, from the message loop,
// while Enabled. The platform timer lives on a hidden window the timer owns; it exists only while
// the timer is enabled, has a non-zero interval and an OnTimer handler.
class TTimer : public TComponent {
  VEXA_CLASS(TTimer, TComponent)

public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int Interval() const { return FInterval; }
  void SetInterval(int Value);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);
  // True while the platform timer runs.
  bool Running() const { return FRunning; }

protected:
  virtual void Timer();

private:
  void UpdateTimer();

  bool FEnabled = true;
  int FInterval = 1000;
  TNotifyEvent FOnTimer;
  std::unique_ptr<TUtilityWindow> FWindow;
  bool FRunning = false;
};
