#pragma once
#include <windows.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Component.h"
#include "ControlTypes.h"
#include "FormResource.h"
#include "NotifyEvent.h"
#include "TIcon.h"

class TCustomForm;

using TExceptionEvent = std::function<void(TObject* Sender, const std::exception& E)>;
// Sees a key going down before the focused control does; setting Key to 0 consumes it.
using TKeyDownHandler = std::function<void(WORD& Key, TShiftState Shift)>;
using TKeyDownHandlerId = uint64_t;

// The application: its main form, its message loop, its title and icon, and where exceptions
// raised inside window procedures, hooks and timers end up. One instance, Application, lives from
// program start to exit and owns the forms made by CreateForm.
class TApplication : public TComponent {
  VEXA_CLASS(TApplication, TComponent)

public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  void Initialize() {}
  // Makes a form of class T from its resource (CreateFormFromResource), owned by the
  // application; the first one made while there is no main form becomes MainForm.
  template <class T>
  void CreateForm(T*& Reference) {
    Reference = CreateFormFromResource<T>(this);
    if (!FMainForm) FMainForm = Reference;
  }
  TCustomForm* MainForm() const { return FMainForm; }

  // Shows the main form and runs the message loop until Terminate (closing the main form calls
  // it). Terminated is false while Run runs and true once it returned.
  void Run();
  // Handles every message waiting now, then returns.
  void ProcessMessages();
  // Handles one message, or waits for one when none is waiting. False when the message was
  // WM_QUIT (the loop that asked should end).
  bool HandleMessage();
  // Ends Run: posts WM_QUIT.
  void Terminate();
  bool Terminated() const { return FTerminated; }

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  // Loaded from the program's "MAINICON" icon resource when there is one.
  TIcon* Icon() const { return FIcon.get(); }
  // True while one of the application's windows is the active window (WM_ACTIVATEAPP).
  bool Active() const { return FActive; }

  // Call from a catch block: hands the exception in flight to OnException, or shows its message
  // when there is no handler.
  void HandleException(TObject* Sender);
  void ShowException(const std::exception& E);
  const TExceptionEvent& OnException() const { return FOnException; }
  void SetOnException(TExceptionEvent Value) { FOnException = std::move(Value); }

  // Key-down handlers run, in registration order, for every WM_KEYDOWN and WM_SYSKEYDOWN the
  // application's loops take from the queue, before the focused control sees the key.
  TKeyDownHandlerId AddKeyDownHandler(TKeyDownHandler Handler);
  void RemoveKeyDownHandler(TKeyDownHandlerId Id);

  const TNotifyEvent& OnActivate() const { return FOnActivate; }
  void SetOnActivate(TNotifyEvent Value) { FOnActivate = std::move(Value); }
  const TNotifyEvent& OnDeactivate() const { return FOnDeactivate; }
  void SetOnDeactivate(TNotifyEvent Value) { FOnDeactivate = std::move(Value); }

private:
  friend class TCustomForm;
  void DispatchOne(MSG& Msg);
  bool RunKeyDownHandlers(MSG& Msg);
  bool IsTabKey(const MSG& Msg);
  void SetActive(bool Value);
  void FormDestroying(TCustomForm* Form);

  struct TKeyHandlerEntry {
    TKeyDownHandlerId Id;
    TKeyDownHandler Handler;
  };

  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  std::string FTitle;
  std::unique_ptr<TIcon> FIcon;
  bool FActive = false;
  TExceptionEvent FOnException;
  std::vector<TKeyHandlerEntry> FKeyHandlers;
  TKeyDownHandlerId FNextKeyHandlerId = 1;
  TNotifyEvent FOnActivate, FOnDeactivate;
};

extern TApplication* Application;
