#include "CustomComboBox.h"

#include <commctrl.h>

#include "ControlMessages.h"
#include "NativeQuery.h"
#include "Publisher.h"
#include "TextEncoding.h"

VEXA_DEFINE_CLASS(TCustomComboBox) {}

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TNativeControl(AOwner, L"COMBOBOX", ICC_STANDARD_CLASSES),
      FItems(std::make_unique<TListControlItems>(*this, TListMessages{CB_INSERTSTRING, CB_DELETESTRING, CB_RESETCONTENT})) {
  SetBounds(0, 0, 145, 21);
  SetColor(clWindow);
  SetTabStop(true);
}

TCustomComboBox::~TCustomComboBox() {
  MarkDestroying();
  DestroyHandle();
}

int TCustomComboBox::ListHeight() const {
  // A line of the list is about the font's height and a little.
  const int line = Font()->Height() < 0 ? -Font()->Height() + 5 : 16;
  return FStyle == csSimple ? 0 : FDropDownCount * line + 2;
}

void TCustomComboBox::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  static constexpr DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  Params.Style |= kStyles[FStyle] | CBS_AUTOHSCROLL | WS_VSCROLL;
  Params.Height += ListHeight();
}

void TCustomComboBox::CreateWnd() {
  inherited::CreateWnd();
  if (FMaxLength > 0) Perform(CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength));
  const std::string text = FText;
  FItems->Reload();
  if (FItemIndex >= 0) Perform(CB_SETCURSEL, static_cast<WPARAM>(FItemIndex));
  else if (FStyle != csDropDownList) SetWindowTextW(Handle(), Utf8ToWide(text).c_str());
}

void TCustomComboBox::DestroyWnd() {
  FItemIndex = ItemIndex();
  inherited::DestroyWnd();
}

void TCustomComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // The height of a drop-down combo's window is the height with the list open.
  if (HandleAllocated() && FStyle != csSimple) AHeight += ListHeight();
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (Value == FStyle) return;
  if (HandleAllocated()) FItemIndex = ItemIndex();
  FStyle = Value;
  RecreateWnd();
}

int TCustomComboBox::ItemIndex() const {
  return HandleAllocated() ? static_cast<int>(QueryWindow(*this, CB_GETCURSEL)) : FItemIndex;
}

void TCustomComboBox::SetItemIndex(int Value) {
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  FItemIndex = Value;
  if (HandleAllocated()) {
    Perform(CB_SETCURSEL, static_cast<WPARAM>(Value));
  } else {
    FText = Value >= 0 ? FItems->Strings(Value) : std::string();
  }
}

void TCustomComboBox::SetDropDownCount(int Value) {
  if (Value < 1) Value = 1;
  if (Value == FDropDownCount) return;
  FDropDownCount = Value;
  if (HandleAllocated() && FStyle != csSimple) {
    RECT r;
    GetWindowRect(Handle(), &r);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, Height() + ListHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool TCustomComboBox::DroppedDown() const {
  return HandleAllocated() && QueryWindow(*this, CB_GETDROPPEDSTATE) != 0;
}

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (HandleAllocated()) Perform(CB_SHOWDROPDOWN, Value);
}

void TCustomComboBox::SetMaxLength(int Value) {
  if (Value < 0) Value = 0;
  FMaxLength = Value;
  if (HandleAllocated()) Perform(CB_LIMITTEXT, static_cast<WPARAM>(Value));
}

void TCustomComboBox::Clear() {
  FItems->Clear();
  FItemIndex = -1;
  SetText("");
}

void TCustomComboBox::SelectText(const std::string& Text) {
  const int index = FItems->IndexOf(Text);
  if (index < 0 || index == ItemIndex()) return;
  SetItemIndex(index);
  Perform(CM_TEXTCHANGED);
}

void TCustomComboBox::Change() { CallEvent(FOnChange, this); }

void TCustomComboBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      Message.Result = 0;
      switch (HIWORD(Message.WParam)) {
        case CBN_SELCHANGE: {
          // The edit shows the new line only after this notification; the text is set now so
          // that OnChange sees it.
          const int index = ItemIndex();
          FItemIndex = index;
          if (FStyle != csDropDownList && index >= 0)
            SetWindowTextW(Handle(), Utf8ToWide(FItems->Strings(index)).c_str());
          Change();
          CallEvent(FOnSelect, this);
          break;
        }
        case CBN_EDITCHANGE:
          FItemIndex = -1;
          Change();
          break;
        case CBN_DROPDOWN:
          CallEvent(FOnDropDown, this);
          break;
        case CBN_CLOSEUP:
          CallEvent(FOnCloseUp, this);
          break;
        default:
          break;
      }
      return;
    case WM_SETTEXT:
      // A drop-down list shows only its lines: text for it selects the line that has it.
      if (FStyle == csDropDownList && Message.LParam) {
        SelectText(WideToUtf8(reinterpret_cast<const wchar_t*>(Message.LParam)));
        Message.Result = TRUE;
        return;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      // The combo's own edit and list ask the combo for their colours: answer with Color and Font.
      Message.Msg += CN_BASE;
      break;
    default:
      break;
  }
  inherited::WndProc(Message);
}
