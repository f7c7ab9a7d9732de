#include "DialogDriver.h"

#include <gtest/gtest.h>

#include <exception>

namespace {
DialogDriver* gCurrent = nullptr;

struct TSearch {
  const wchar_t* ClassName;
  const wchar_t* Text;
  HWND Found = nullptr;
  int Count = 0;
};

BOOL CALLBACK Visit(HWND Window, LPARAM Data) {
  auto* search = reinterpret_cast<TSearch*>(Data);
  try {
    if (ClassOf(Window) != search->ClassName) return TRUE;
    if (search->Text && WindowText(Window) != search->Text) return TRUE;
  } catch (...) {
    return FALSE;
  }
  if (!search->Found) search->Found = Window;
  ++search->Count;
  return TRUE;
}
}  // namespace

DialogDriver::DialogDriver(std::function<void(HWND)> Action, UINT Delay) : FAction(std::move(Action)), FDelay(Delay) {
  gCurrent = this;
  FHook = SetWindowsHookExW(WH_CBT, &DialogDriver::CbtProc, nullptr, GetCurrentThreadId());
}

DialogDriver::~DialogDriver() {
  UnhookWindowsHookEx(FHook);
  if (FTimer && !FActed) KillTimer(nullptr, FTimer);
  if (FWatchdog) KillTimer(nullptr, FWatchdog);
  gCurrent = nullptr;
}

LRESULT CALLBACK DialogDriver::CbtProc(int Code, WPARAM WParam, LPARAM LParam) {
  try {
    DialogDriver* self = gCurrent;
    if (Code == HCBT_ACTIVATE && self && !self->FDialog) {
      const HWND window = reinterpret_cast<HWND>(WParam);
      if (ClassOf(window) == L"#32770") {
        self->FDialog = window;
        self->FTimer = SetTimer(nullptr, 0, self->FDelay, &DialogDriver::TimerProc);
      }
    }
  } catch (...) {
    ADD_FAILURE() << "the dialog hook raised";
  }
  return CallNextHookEx(nullptr, Code, WParam, LParam);
}

void CALLBACK DialogDriver::TimerProc(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  DialogDriver* self = gCurrent;
  if (!self || self->FTimer != Id || self->FActed) return;
  self->FActed = true;
  self->FWatchdog = SetTimer(nullptr, 0, 5000, &DialogDriver::WatchdogProc);
  try {
    self->FAction(self->FDialog);
  } catch (const std::exception& e) {
    ADD_FAILURE() << "dialog action raised: " << e.what();
  } catch (...) {
    ADD_FAILURE() << "dialog action raised an unknown exception";
  }
}

void CALLBACK DialogDriver::WatchdogProc(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  DialogDriver* self = gCurrent;
  if (!self || self->FWatchdog != Id) return;
  self->FWatchdog = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        try {
          if (ClassOf(window) != L"#32770" || !IsWindowVisible(window)) return TRUE;
          std::wstring says;
          EnumChildWindows(
              window,
              [](HWND child, LPARAM text) -> BOOL {
                try {
                  if (ClassOf(child) == L"Static") *reinterpret_cast<std::wstring*>(text) += WindowText(child) + L" ";
                  return TRUE;
                } catch (...) {
                  return FALSE;
                }
              },
              reinterpret_cast<LPARAM>(&says));
          ADD_FAILURE() << "dialog \"" << WindowText(window) << "\" (" << says << ") still open; cancelling it";
          PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        } catch (...) {
        }
        return TRUE;
      },
      0);
}

std::wstring WindowText(HWND Window) {
  wchar_t text[512] = {};
  GetWindowTextW(Window, text, 512);
  return text;
}

std::wstring ClassOf(HWND Window) {
  wchar_t name[128] = {};
  GetClassNameW(Window, name, 128);
  return name;
}

HWND FindDescendant(HWND Parent, const wchar_t* ClassName, const wchar_t* Text) {
  TSearch search{ClassName, Text};
  EnumChildWindows(Parent, &Visit, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

int CountDescendants(HWND Parent, const wchar_t* ClassName) {
  TSearch search{ClassName, nullptr};
  EnumChildWindows(Parent, &Visit, reinterpret_cast<LPARAM>(&search));
  return search.Count;
}

void PressButton(HWND Dialog, int Id) {
  PostMessageW(Dialog, WM_COMMAND, MAKEWPARAM(Id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(Dialog, Id)));
}
