#include "CustomListView.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "ControlMessages.h"
#include "NativeQuery.h"
#include "Publisher.h"
#include "TextEncoding.h"

VEXA_DEFINE_CLASS(TCustomListView) {}

namespace {

constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};

int ColumnFormat(TAlignment Alignment) {
  switch (Alignment) {
    case taRightJustify: return LVCFMT_RIGHT;
    case taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
  }
}

// Restores a flag on every way out of a scope.
class TFlagScope {
public:
  explicit TFlagScope(bool& Flag) : FFlag(Flag), FOld(std::exchange(Flag, true)) {}
  ~TFlagScope() { FFlag = FOld; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool& FFlag;
  bool FOld;
};

}  // namespace

TCustomListView::TCustomListView(TComponent* AOwner)
    : TNativeControl(AOwner, WC_LISTVIEWW, ICC_LISTVIEW_CLASSES),
      FColumns(std::make_unique<TListColumns>(*this)),
      FItems(std::make_unique<TListItems>(*this)) {
  SetBounds(0, 0, 250, 150);
  SetColor(clWindow);
  SetTabStop(true);
}

TCustomListView::~TCustomListView() {
  MarkDestroying();
  DestroyHandle();  // while items, columns and image lists are still here
}

void TCustomListView::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  // The image lists belong to this control, not to the window.
  Params.Style |= kViewStyles[FViewStyle] | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE;
  if (!FMultiSelect) Params.Style |= LVS_SINGLESEL;
  if (FBorderStyle == TBorderStyle::bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd() {
  inherited::CreateWnd();
  TFlagScope filling(FChangingItems);
  ApplyExtendedStyle();
  ApplyImages();
  const COLORREF background = static_cast<COLORREF>(ColorToRGB(Color()));
  Perform(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  Perform(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
  Perform(LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font()->Color())));
  for (int i = 0; i < FColumns->Count(); ++i) SendColumn(LVM_INSERTCOLUMNW, i);
  for (int i = 0; i < FItems->Count(); ++i) SendItem(i, true);
}

void TCustomListView::DestroyWnd() {
  // What the user changed lives on in the next window.
  for (int i = 0; i < FColumns->Count(); ++i) FColumns->Items(i)->FWidth = ColumnWidth(i);
  for (int i = 0; i < FItems->Count(); ++i) {
    TListItem* item = FItems->Item(i);
    item->FSelected = ItemSelected(i, item->FSelected);
  }
  TFlagScope emptying(FChangingItems);
  inherited::DestroyWnd();
}

void TCustomListView::ApplyExtendedStyle() {
  if (!HandleAllocated()) return;
  DWORD style = 0;
  if (FRowSelect) style |= LVS_EX_FULLROWSELECT;
  if (FGridLines) style |= LVS_EX_GRIDLINES;
  Perform(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, static_cast<LPARAM>(style));
}

void TCustomListView::ApplyImages() {
  if (!HandleAllocated()) return;
  Perform(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(FNativeSmall.Handle()));
  Perform(LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(FNativeLarge.Handle()));
}

void TCustomListView::SetViewStyle(TViewStyle Value) {
  if (Value == FViewStyle) return;
  FViewStyle = Value;
  if (!HandleAllocated()) return;
  // The platform's list view switches its view in place.
  LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  style = (style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | kViewStyles[Value];
  SetWindowLongPtrW(Handle(), GWL_STYLE, style);
  Invalidate();
}

void TCustomListView::SetRowSelect(bool Value) {
  if (Value == FRowSelect) return;
  FRowSelect = Value;
  ApplyExtendedStyle();
}

void TCustomListView::SetGridLines(bool Value) {
  if (Value == FGridLines) return;
  FGridLines = Value;
  ApplyExtendedStyle();
}

void TCustomListView::SetMultiSelect(bool Value) {
  if (Value == FMultiSelect) return;
  FMultiSelect = Value;
  if (!HandleAllocated()) return;
  LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  style = Value ? (style & ~static_cast<LONG_PTR>(LVS_SINGLESEL)) : (style | LVS_SINGLESEL);
  SetWindowLongPtrW(Handle(), GWL_STYLE, style);
}

void TCustomListView::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomListView::SetSmallImages(TImageList* Value) {
  FSmallImages = Value;
  ImagesChanged();
}

void TCustomListView::SetLargeImages(TImageList* Value) {
  FLargeImages = Value;
  ImagesChanged();
}

void TCustomListView::ImagesChanged() {
  FNativeSmall.Assign(FSmallImages);
  FNativeLarge.Assign(FLargeImages);
  ApplyImages();
  Invalidate();
}

HWND TCustomListView::HeaderHandle() const {
  return HandleAllocated() ? reinterpret_cast<HWND>(QueryWindow(*this, LVM_GETHEADER)) : nullptr;
}

TListItem* TCustomListView::Selected() const {
  const int index = ItemIndex();
  return index >= 0 ? FItems->Item(index) : nullptr;
}

int TCustomListView::ItemIndex() const {
  if (HandleAllocated()) return static_cast<int>(QueryWindow(*this, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  for (int i = 0; i < FItems->Count(); ++i)
    if (FItems->Item(i)->FSelected) return i;
  return -1;
}

void TCustomListView::SetItemIndex(int Value) {
  for (int i = 0; i < FItems->Count(); ++i)
    if (i != Value && FItems->Item(i)->Selected()) FItems->Item(i)->SetSelected(false);
  if (Value >= 0 && Value < FItems->Count()) FItems->Item(Value)->SetSelected(true);
}

void TCustomListView::SendColumn(UINT Msg, int Index) {
  const TListColumn* column = FColumns->Items(Index);
  std::wstring caption = Utf8ToWide(column->Caption());
  LVCOLUMNW info{};
  info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
  info.fmt = ColumnFormat(column->Alignment());
  info.cx = column->FWidth;
  info.pszText = caption.data();
  info.iSubItem = Index;
  if (column->ImageIndex() >= 0) {
    info.mask |= LVCF_IMAGE;
    info.fmt |= LVCFMT_IMAGE;
    info.iImage = column->ImageIndex();
  }
  Perform(Msg, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&info));
}

void TCustomListView::ColumnsChanged(TListColumn* Column) {
  if (!HandleAllocated() || Destroying()) return;
  if (Column) {
    if (Column->Index() >= 0) SendColumn(LVM_SETCOLUMNW, Column->Index());
    return;
  }
  // The list changed: the header is made again from the columns.
  while (Perform(LVM_DELETECOLUMN, 0)) {
  }
  for (int i = 0; i < FColumns->Count(); ++i) SendColumn(LVM_INSERTCOLUMNW, i);
  // Sub-item texts went with their columns.
  for (int i = 0; i < FItems->Count(); ++i) SendItem(i, false);
}

int TCustomListView::ColumnWidth(int Index) const {
  if (!HandleAllocated()) return -1;
  LVCOLUMNW info{};
  info.mask = LVCF_WIDTH;
  if (!QueryWindow(*this, LVM_GETCOLUMNW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&info))) return -1;
  return info.cx;
}

void TCustomListView::SendItem(int Index, bool Insert) {
  const TListItem* item = FItems->Item(Index);
  std::wstring caption = Utf8ToWide(item->Caption());
  LVITEMW info{};
  info.mask = LVIF_TEXT | LVIF_IMAGE;
  info.iItem = Index;
  info.pszText = caption.data();
  info.iImage = item->ImageIndex();
  if (Insert) {
    info.mask |= LVIF_STATE;
    info.stateMask = LVIS_SELECTED;
    info.state = item->FSelected ? LVIS_SELECTED : 0;
    Perform(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&info));
  } else {
    Perform(LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&info));
  }
  const int columns = std::max(FColumns->Count(), item->SubItems()->Count() + 1);
  for (int sub = 1; sub < columns; ++sub) {
    std::wstring text = sub <= item->SubItems()->Count() ? Utf8ToWide(item->SubItems()->Strings(sub - 1)) : L"";
    LVITEMW subItem{};
    subItem.iSubItem = sub;
    subItem.pszText = text.data();
    Perform(LVM_SETITEMTEXTW, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&subItem));
  }
}

void TCustomListView::ItemInserted(int Index) {
  if (!HandleAllocated() || Destroying()) return;
  TFlagScope filling(FChangingItems);
  SendItem(Index, true);
}

void TCustomListView::ItemDeleting(int Index) {
  if (!HandleAllocated() || Destroying()) return;
  TFlagScope emptying(FChangingItems);
  Perform(LVM_DELETEITEM, static_cast<WPARAM>(Index));
}

void TCustomListView::ItemsClearing() {
  if (!HandleAllocated() || Destroying()) return;
  TFlagScope emptying(FChangingItems);
  Perform(LVM_DELETEALLITEMS);
}

void TCustomListView::ItemChanged(int Index) {
  if (HandleAllocated() && !Destroying()) SendItem(Index, false);
}

bool TCustomListView::ItemSelected(int Index, bool Fallback) const {
  if (!HandleAllocated()) return Fallback;
  return (QueryWindow(*this, LVM_GETITEMSTATE, static_cast<WPARAM>(Index), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void TCustomListView::SetItemSelected(int Index, bool Value) {
  if (!HandleAllocated()) return;
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED;
  state.state = Value ? LVIS_SELECTED : 0;
  Perform(LVM_SETITEMSTATE, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&state));
}

void TCustomListView::SetRedraw(bool Value) {
  if (!HandleAllocated()) return;
  Perform(WM_SETREDRAW, Value);
  if (Value) Invalidate();
}

void TCustomListView::ItemStateChanged(const NMLISTVIEW& Change) {
  if (FChangingItems || !(Change.uChanged & LVIF_STATE)) return;
  if (((Change.uOldState ^ Change.uNewState) & LVIS_SELECTED) == 0) return;
  const bool selected = (Change.uNewState & LVIS_SELECTED) != 0;
  if (Change.iItem < 0) {
    // All items at once.
    for (int i = 0; i < FItems->Count(); ++i) {
      FItems->Item(i)->FSelected = selected;
      CallEvent(FOnSelectItem, this, FItems->Item(i), selected);
    }
    return;
  }
  if (Change.iItem >= FItems->Count()) return;
  TListItem* item = FItems->Item(Change.iItem);
  item->FSelected = selected;
  CallEvent(FOnSelectItem, this, item, selected);
}

void TCustomListView::WndProc(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
    Message.Result = 0;
    switch (header->code) {
      case LVN_ITEMCHANGED:
        return ItemStateChanged(*reinterpret_cast<const NMLISTVIEW*>(Message.LParam));
      case NM_CLICK:
        return Click();
      case NM_DBLCLK:
        return DblClick();
      default:
        return;
    }
  }
  inherited::WndProc(Message);
}

void TCustomListView::ColorChanged() {
  inherited::ColorChanged();
  if (!HandleAllocated() || Destroying()) return;
  const COLORREF background = static_cast<COLORREF>(ColorToRGB(Color()));
  Perform(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  Perform(LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
  Invalidate();
}
