#include "Application.h"

#include <algorithm>

#include "CustomForm.h"
#include "Publisher.h"
#include "TextEncoding.h"
#include "WinControl.h"

VEXA_DEFINE_CLASS(TApplication) {}

namespace {
std::string ProgramName() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name = path;
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return WideToUtf8(name.substr(0, name.find_last_of(L'.')));
}
}  // namespace

TApplication::TApplication(TComponent* AOwner)
    : TComponent(AOwner), FTitle(ProgramName()), FIcon(std::make_unique<TIcon>()) {
  FIcon->LoadFromResourceName(GetModuleHandleW(nullptr), L"MAINICON");
}

TApplication::~TApplication() {
  // The forms go first, while the application they ask for is still whole.
  DestroyComponents();
}

void TApplication::Run() {
  FTerminated = false;
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      FTerminated = true;
      PostQuitMessage(static_cast<int>(msg.wParam));  // left for the loop that runs the application
      return;
    }
    DispatchOne(msg);
  }
}

bool TApplication::HandleMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    WaitMessage();
    return true;
  }
  if (msg.message == WM_QUIT) {
    FTerminated = true;
    return false;
  }
  DispatchOne(msg);
  return true;
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::DispatchOne(MSG& Msg) {
  try {
    if ((Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN) && RunKeyDownHandlers(Msg)) return;
    if (IsTabKey(Msg)) return;
  } catch (...) {
    HandleException(this);
    return;
  }
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
}

bool TApplication::RunKeyDownHandlers(MSG& Msg) {
  auto key = static_cast<WORD>(Msg.wParam);
  const TShiftState shift = KeyboardShiftState();
  // Handlers may register or remove handlers: walk a copy of the ids and skip the removed.
  std::vector<TKeyDownHandlerId> ids;
  for (const TKeyHandlerEntry& entry : FKeyHandlers) ids.push_back(entry.Id);
  for (TKeyDownHandlerId id : ids) {
    auto it = std::find_if(FKeyHandlers.begin(), FKeyHandlers.end(), [id](const TKeyHandlerEntry& e) { return e.Id == id; });
    if (it == FKeyHandlers.end()) continue;
    TKeyDownHandler handler = it->Handler;
    handler(key, shift);
    if (key == 0) return true;
  }
  Msg.wParam = key;
  return false;
}

// Tab and Shift+Tab move the focus through the form's tab stops, unless the focused control
// wants the key itself.
bool TApplication::IsTabKey(const MSG& Msg) {
  if (Msg.message != WM_KEYDOWN || Msg.wParam != VK_TAB) return false;
  const TShiftState shift = KeyboardShiftState();
  if (shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return false;
  TWinControl* control = FindControl(Msg.hwnd);
  if (!control || (SendMessageW(Msg.hwnd, WM_GETDLGCODE, Msg.wParam, reinterpret_cast<LPARAM>(&Msg)) &
                   (DLGC_WANTTAB | DLGC_WANTALLKEYS)))
    return false;
  TCustomForm* form = GetParentForm(control);
  if (!form) return false;
  form->SelectNext(control, !shift.Contains(ssShift), true);
  return true;
}

void TApplication::HandleException(TObject* Sender) {
  const std::exception_ptr error = std::current_exception();
  if (!error) return;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    if (FOnException) FOnException(Sender, e);
    else ShowException(e);
  } catch (...) {
    const std::runtime_error unknown("An exception of unknown type was raised");
    if (FOnException) FOnException(Sender, unknown);
    else ShowException(unknown);
  }
}

void TApplication::ShowException(const std::exception& E) {
  const std::wstring text = Utf8ToWide(E.what());
  OutputDebugStringW(text.c_str());
  MessageBoxW(GetActiveWindow(), text.c_str(), Utf8ToWide(FTitle).c_str(), MB_OK | MB_ICONSTOP);
}

TKeyDownHandlerId TApplication::AddKeyDownHandler(TKeyDownHandler Handler) {
  const TKeyDownHandlerId id = FNextKeyHandlerId++;
  FKeyHandlers.push_back(TKeyHandlerEntry{id, std::move(Handler)});
  return id;
}

void TApplication::RemoveKeyDownHandler(TKeyDownHandlerId Id) {
  std::erase_if(FKeyHandlers, [Id](const TKeyHandlerEntry& e) { return e.Id == Id; });
}

void TApplication::SetActive(bool Value) {
  if (Value == FActive) return;
  FActive = Value;
  CallEvent(Value ? FOnActivate : FOnDeactivate, this);
}

void TApplication::FormDestroying(TCustomForm* Form) {
  if (FMainForm == Form) FMainForm = nullptr;
}
