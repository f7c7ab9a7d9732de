#include "FormsTestSupport.h"

#include <algorithm>
#include <map>

#include "WinControl.h"
#include "WindowDC.h"
#include "WindowAttachment.h"

void PumpMessages(int Milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(Milliseconds);
  do {
    Application->ProcessMessages();
    if (Milliseconds > 0) Sleep(2);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool PumpUntil(const std::function<bool()>& Condition, int TimeoutMs) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(TimeoutMs);
  while (!Condition()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    Application->ProcessMessages();
    Sleep(2);
  }
  return true;
}

namespace {
std::map<TWinControl*, TMessageRecorder*>& Recorders() {
  static std::map<TWinControl*, TMessageRecorder*> recorders;
  return recorders;
}
}  // namespace

TMessageRecorder::TMessageRecorder(TWinControl& Control) : FControl(&Control), FWindow(Control.Handle()) {
  Recorders()[FControl] = this;
  FOld = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

TMessageRecorder::~TMessageRecorder() {
  Recorders().erase(FControl);
  if (IsWindow(FWindow) && GetWindowLongPtrW(FWindow, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Procedure))
    SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOld));
}

int TMessageRecorder::Count(UINT Msg) const {
  return static_cast<int>(std::count_if(FLog.begin(), FLog.end(), [Msg](const TMessage& m) { return m.Msg == Msg; }));
}

int TMessageRecorder::IndexOf(UINT Msg) const {
  for (size_t i = 0; i < FLog.size(); ++i)
    if (FLog[i].Msg == Msg) return static_cast<int>(i);
  return -1;
}

LRESULT CALLBACK TMessageRecorder::Procedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* control = FindControl(Window);
  auto it = control ? Recorders().find(control) : Recorders().end();
  if (it == Recorders().end()) return CallWindowProcW(&ToolkitWindowProc, Window, Msg, WParam, LParam);
  TMessageRecorder& self = *it->second;
  self.FLog.push_back(TMessage{Msg, WParam, LParam, 0});
  if (std::find(self.FWindows.begin(), self.FWindows.end(), Window) == self.FWindows.end()) self.FWindows.push_back(Window);
  self.FWindow = Window;
  if (std::find(self.Drop.begin(), self.Drop.end(), Msg) != self.Drop.end()) return 0;
  return CallWindowProcW(self.FOld, Window, Msg, WParam, LParam);
}

TExceptionLog::TExceptionLog() : FPrevious(Application->OnException()) {
  Application->SetOnException([this](TObject* Sender, const std::exception& E) {
    FMessages.emplace_back(E.what());
    FSenders.push_back(Sender);
  });
}

TExceptionLog::~TExceptionLog() { Application->SetOnException(FPrevious); }

TResourceOverride::TResourceOverride() : FResources(std::make_shared<std::map<std::string, std::vector<uint8_t>>>()) {
  auto resources = FResources;
  FPrevious = SetFormResourceLoader([resources](const std::string& ClassName) -> std::optional<std::vector<uint8_t>> {
    auto it = resources->find(ClassName);
    if (it == resources->end()) return std::nullopt;
    return it->second;
  });
}

TResourceOverride::~TResourceOverride() { SetFormResourceLoader(FPrevious); }

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM Count) {
  ++*reinterpret_cast<int*>(Count);
  return TRUE;
}
BOOL CALLBACK CountTopLevel(HWND Window, LPARAM Count) {
  ++*reinterpret_cast<int*>(Count);
  EnumChildWindows(Window, CountChild, Count);
  return TRUE;
}
}  // namespace

int CountThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountTopLevel, reinterpret_cast<LPARAM>(&count));
  // Message-only windows (timers) are not among the thread's top-level windows.
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w; w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr))
    if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) ++count;
  return count;
}

COLORREF ClientPixel(HWND Window, int X, int Y) {
  RECT frame;
  GetWindowRect(Window, &frame);
  POINT origin{0, 0};
  ClientToScreen(Window, &origin);
  const WindowDC dc(Window, TWindowArea::waWhole);
  return GetPixel(dc.Get(), X + origin.x - frame.left, Y + origin.y - frame.top);
}
