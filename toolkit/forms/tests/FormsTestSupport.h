#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Application.h"
#include "FormResource.h"
#include "Message.h"

class TWinControl;

// Runs the application's message handling for about Milliseconds (at least one round).
void PumpMessages(int Milliseconds = 0);
// Runs messages until Condition holds or TimeoutMs passed; returns Condition's last answer.
bool PumpUntil(const std::function<bool()>& Condition, int TimeoutMs = 2000);

// Installs a window procedure over a control's window with SetWindowLongPtr(GWLP_WNDPROC), as a
// skinner does, and records every message it sees before passing it on. It finds itself through
// the control, so it keeps working when the toolkit carries it to a recreated window. Drop names
// messages it keeps to itself instead of passing them on.
class TMessageRecorder {
public:
  explicit TMessageRecorder(TWinControl& Control);
  ~TMessageRecorder();
  TMessageRecorder(const TMessageRecorder&) = delete;
  TMessageRecorder& operator=(const TMessageRecorder&) = delete;

  int Count(UINT Msg) const;
  // Position of the first Msg in the log, or -1.
  int IndexOf(UINT Msg) const;
  const std::vector<TMessage>& Log() const { return FLog; }
  // The windows the messages arrived at, in order of first appearance.
  const std::vector<HWND>& Windows() const { return FWindows; }
  void Clear() { FLog.clear(); }
  std::vector<UINT> Drop;

private:
  static LRESULT CALLBACK Procedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  TWinControl* FControl;
  HWND FWindow;
  WNDPROC FOld;
  std::vector<TMessage> FLog;
  std::vector<HWND> FWindows;
};

// Replaces Application's OnException with one that records the messages, for one scope.
class TExceptionLog {
public:
  TExceptionLog();
  ~TExceptionLog();
  TExceptionLog(const TExceptionLog&) = delete;
  TExceptionLog& operator=(const TExceptionLog&) = delete;

  const std::vector<std::string>& Messages() const { return FMessages; }
  const std::vector<TObject*>& Senders() const { return FSenders; }

private:
  TExceptionEvent FPrevious;
  std::vector<std::string> FMessages;
  std::vector<TObject*> FSenders;
};

// Serves form resources from memory, by class name, for one scope.
class TResourceOverride {
public:
  TResourceOverride();
  ~TResourceOverride();
  TResourceOverride(const TResourceOverride&) = delete;
  TResourceOverride& operator=(const TResourceOverride&) = delete;

  void Set(const std::string& ClassName, std::vector<uint8_t> Bytes) { (*FResources)[ClassName] = std::move(Bytes); }

private:
  TFormResourceLoader FPrevious;
  std::shared_ptr<std::map<std::string, std::vector<uint8_t>>> FResources;
};

// The windows of this thread, top-level and children.
int CountThreadWindows();

// The colour of a pixel of a window's client area, read through the window's own DC so windows
// on top of it do not matter.
COLORREF ClientPixel(HWND Window, int X, int Y);
