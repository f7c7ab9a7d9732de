#include "PageControl.h"

#include <commctrl.h>

#include "ControlMessages.h"
#include "NativeQuery.h"
#include "PublishedControl.h"
#include "TextEncoding.h"

VEXA_DEFINE_CLASS(TPageControl) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(MultiLine).Default(false);
  PUBLISHED(TabPosition).Default(tpTop);
  PUBLISHED(ActivePage);
}

TPageControl::TPageControl(TComponent* AOwner) : TCustomNotebook(AOwner) {
  // The platform's control handles its own mouse.
  SetControlStyle(ControlStyle() - TControlStyle{csCaptureMouse, csClickEvents});
  SetTabStop(true);
}

TPageControl::~TPageControl() {
  MarkDestroying();
  DestroyHandle();  // before the image list it shows goes
}

void TPageControl::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  CreateSubClass(Params, WC_TABCONTROLW, ICC_TAB_CLASSES);
  switch (FTabPosition) {
    case tpBottom: Params.Style |= TCS_BOTTOM; break;
    // Tabs on a side are always in rows of their own.
    case tpLeft: Params.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: Params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    case tpTop: break;
  }
  if (FMultiLine) Params.Style |= TCS_MULTILINE;
}

void TPageControl::CreateWnd() {
  inherited::CreateWnd();
  Perform(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FNativeImages.Handle()));
  for (int i = 0; i < PageCount(); ++i) SendTab(TCM_INSERTITEMW, i);
  Perform(TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()));
  Realign();
}

void TPageControl::SendTab(UINT Msg, int Index) {
  TCustomPage* page = TCustomNotebook::Pages(Index);
  std::wstring text = Utf8ToWide(page->Caption());
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = page->ImageIndex();
  Perform(Msg, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&item));
}

void TPageControl::PageInserted(int Index) {
  if (!HandleAllocated()) return;
  SendTab(TCM_INSERTITEMW, Index);
  Realign();  // the tabs may now take more rows
}

void TPageControl::PageRemoved(int Index) {
  if (!HandleAllocated()) return;
  Perform(TCM_DELETEITEM, static_cast<WPARAM>(Index));
  Perform(TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()));
  Realign();
}

void TPageControl::PageChanged(int Index) {
  if (!HandleAllocated()) return;
  SendTab(TCM_SETITEMW, Index);
  Realign();
}

void TPageControl::ActivePageChanged() {
  if (HandleAllocated()) Perform(TCM_SETCURSEL, static_cast<WPARAM>(ActivePageIndex()));
}

void TPageControl::SetTabPosition(TTabPosition Value) {
  if (Value == FTabPosition) return;
  FTabPosition = Value;
  RecreateWnd();
}

void TPageControl::SetMultiLine(bool Value) {
  if (Value == FMultiLine) return;
  FMultiLine = Value;
  RecreateWnd();
}

void TPageControl::SetImages(TImageList* Value) {
  FImages = Value;
  ImagesChanged();
}

void TPageControl::ImagesChanged() {
  FNativeImages.Assign(FImages);
  if (HandleAllocated()) {
    Perform(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FNativeImages.Handle()));
    Realign();
    Invalidate();
  }
}

TRect TPageControl::DisplayRect() const {
  const TRect client = ClientRect();
  if (!HandleAllocated()) return client;
  RECT r = client.ToRECT();
  QueryWindow(*this, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return TRect::FromRECT(r);
}

int TPageControl::IndexOfTabAt(int X, int Y) const {
  if (!HandleAllocated()) return -1;
  TCHITTESTINFO hit{};
  hit.pt = POINT{X, Y};
  return static_cast<int>(QueryWindow(*this, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TPageControl::WndProc(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
    Message.Result = 0;
    switch (header->code) {
      case TCN_SELCHANGING:
        Message.Result = CanChange() ? FALSE : TRUE;
        return;
      case TCN_SELCHANGE:
        SetActivePageIndex(static_cast<int>(Perform(TCM_GETCURSEL)));
        Change();  // last: a handler may free the control
        return;
      default:
        return;
    }
  }
  inherited::WndProc(Message);
}
