#include "ScrollingWinControl.h"

#include <algorithm>

#include "Publisher.h"

VEXA_DEFINE_CLASS(TScrollingWinControl) {}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TCustomControl(AOwner),
      FHorzScrollBar(std::make_unique<TControlScrollBar>(*this, sbHorizontal)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(*this, sbVertical)) {
  SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
}

TScrollingWinControl::~TScrollingWinControl() {
  // The window goes first; its last size messages must not reach scroll bars already freed.
  MarkDestroying();
  DestroyHandle();
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (Value == FAutoScroll) return;
  FAutoScroll = Value;
  UpdateScrollBars();
}

TSize TScrollingWinControl::ContentExtent() const {
  TSize extent{0, 0};
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (!child->Visible() || child->Align() != alNone) continue;
    extent.cx = std::max(extent.cx, child->Left() + child->Width() + FHorzScrollBar->FPosition);
    extent.cy = std::max(extent.cy, child->Top() + child->Height() + FVertScrollBar->FPosition);
  }
  return extent;
}

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY) {
  if (DeltaX == 0 && DeltaY == 0) return;
  DisableAlign();
  try {
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* child = Controls(i);
      if (child->Align() != alNone) continue;
      child->SetBounds(child->Left() + DeltaX, child->Top() + DeltaY, child->Width(), child->Height());
    }
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

int TScrollingWinControl::PageSize(const TControlScrollBar& Bar) const {
  const TRect client = ClientRect();
  return Bar.FKind == sbVertical ? client.Height() : client.Width();
}

void TScrollingWinControl::ScrollTo(TControlScrollBar& Bar, int Position) {
  const int range = FAutoScroll ? (Bar.FKind == sbVertical ? ContentExtent().cy : ContentExtent().cx) : Bar.FRange;
  Position = std::clamp(Position, 0, std::max(range - PageSize(Bar), 0));
  const int delta = Bar.FPosition - Position;
  if (delta == 0) return;
  Bar.FPosition = Position;
  if (Bar.FKind == sbVertical) ScrollBy(0, delta);
  else ScrollBy(delta, 0);
  if (HandleAllocated()) SetScrollPos(Handle(), Bar.FKind == sbVertical ? SB_VERT : SB_HORZ, Position, TRUE);
}

void TScrollingWinControl::ScrollInView(TControl* Control) {
  if (!Control || !ContainsControl(Control) || Control == this) return;
  // The control's rectangle in this control's client coordinates.
  TRect r = Control->BoundsRect();
  for (const TControl* p = Control->Parent(); p && p != this; p = p->Parent()) {
    r.Left += p->Left();
    r.Right += p->Left();
    r.Top += p->Top();
    r.Bottom += p->Top();
  }
  const TRect client = ClientRect();
  auto bring = [](int Low, int High, int Size) {
    if (Low < 0) return Low;
    if (High > Size) return std::min(High - Size, Low);
    return 0;
  };
  const int dx = bring(r.Left, r.Right, client.Width());
  const int dy = bring(r.Top, r.Bottom, client.Height());
  if (dx) ScrollTo(*FHorzScrollBar, FHorzScrollBar->FPosition + dx);
  if (dy) ScrollTo(*FVertScrollBar, FVertScrollBar->FPosition + dy);
}

void TScrollingWinControl::SyncScrollInfo(const TControlScrollBar& Bar, bool Show) {
  const int which = Bar.FKind == sbVertical ? SB_VERT : SB_HORZ;
  HWND window = Handle();
  if (!Show) {
    ShowScrollBar(window, which, FALSE);
    return;
  }
  const int range = FAutoScroll ? (Bar.FKind == sbVertical ? FLastExtent.cy : FLastExtent.cx) : Bar.FRange;
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(range - 1, 0);
  info.nPage = static_cast<UINT>(std::max(PageSize(Bar), 0));
  info.nPos = Bar.FPosition;
  ShowScrollBar(window, which, TRUE);
  SetScrollInfo(window, which, &info, TRUE);
}

void TScrollingWinControl::UpdateScrollBars() {
  if (FUpdatingBars || Destroying()) return;
  FUpdatingBars = true;
  try {
    const TSize extent = ContentExtent();
    FLastExtent = extent;
    const int rangeX = FAutoScroll ? extent.cx : FHorzScrollBar->FRange;
    const int rangeY = FAutoScroll ? extent.cy : FVertScrollBar->FRange;
    if (FAutoScroll) {
      FHorzScrollBar->FRange = rangeX;
      FVertScrollBar->FRange = rangeY;
    }
    if (HandleAllocated()) {
      // The client area with no bar shown, then the bars it needs (one may call for the other).
      RECT client;
      GetClientRect(Handle(), &client);
      const auto style = GetWindowLongPtrW(Handle(), GWL_STYLE);
      const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
      const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
      const int fullWidth = client.right + ((style & WS_VSCROLL) ? barWidth : 0);
      const int fullHeight = client.bottom + ((style & WS_HSCROLL) ? barHeight : 0);
      bool needX = FHorzScrollBar->FVisible && rangeX > fullWidth;
      bool needY = FVertScrollBar->FVisible && rangeY > fullHeight;
      if (needY && !needX) needX = FHorzScrollBar->FVisible && rangeX > fullWidth - barWidth;
      if (needX && !needY) needY = FVertScrollBar->FVisible && rangeY > fullHeight - barHeight;
      // A bar that goes away scrolls its content back; a shorter range may leave less to scroll.
      const int pageX = fullWidth - (needY ? barWidth : 0);
      const int pageY = fullHeight - (needX ? barHeight : 0);
      const int posX = needX ? std::clamp(FHorzScrollBar->FPosition, 0, std::max(rangeX - pageX, 0)) : 0;
      const int posY = needY ? std::clamp(FVertScrollBar->FPosition, 0, std::max(rangeY - pageY, 0)) : 0;
      const int dx = FHorzScrollBar->FPosition - posX;
      const int dy = FVertScrollBar->FPosition - posY;
      FHorzScrollBar->FPosition = posX;
      FVertScrollBar->FPosition = posY;
      ScrollBy(dx, dy);
      SyncScrollInfo(*FHorzScrollBar, needX);
      SyncScrollInfo(*FVertScrollBar, needY);
      // Showing a bar changed the page of the other one.
      if (needX) SyncScrollInfo(*FHorzScrollBar, true);
    }
  } catch (...) {
    FUpdatingBars = false;
    throw;
  }
  FUpdatingBars = false;
}

void TScrollingWinControl::AlignControls(TRect& Rect) {
  inherited::AlignControls(Rect);
  UpdateScrollBars();
}

void TScrollingWinControl::CreateWnd() {
  inherited::CreateWnd();
  UpdateScrollBars();
}

void TScrollingWinControl::HandleScroll(TControlScrollBar& Bar, WPARAM Request) {
  const int page = PageSize(Bar);
  int position = Bar.FPosition;
  switch (LOWORD(Request)) {
    case SB_LINEUP: position -= Bar.FIncrement; break;
    case SB_LINEDOWN: position += Bar.FIncrement; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = Bar.FRange; break;
    case SB_THUMBPOSITION: position = HIWORD(Request); break;
    case SB_THUMBTRACK: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      if (GetScrollInfo(Handle(), Bar.FKind == sbVertical ? SB_VERT : SB_HORZ, &info)) position = info.nTrackPos;
      break;
    }
    default: return;
  }
  ScrollTo(Bar, position);
}

void TScrollingWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (Message.LParam) break;  // a scroll bar control's: reflected to it
      HandleScroll(Message.Msg == WM_VSCROLL ? *FVertScrollBar : *FHorzScrollBar, Message.WParam);
      Message.Result = 0;
      return;
    case WM_MOUSEWHEEL: {
      TControlScrollBar& bar = FVertScrollBar->IsScrollBarVisible() ? *FVertScrollBar : *FHorzScrollBar;
      if (!bar.IsScrollBarVisible()) break;
      const int notches = GET_WHEEL_DELTA_WPARAM(Message.WParam) / WHEEL_DELTA;
      ScrollTo(bar, bar.FPosition - notches * 3 * bar.FIncrement);
      Message.Result = 0;
      return;
    }
    case WM_PAINT: {
      const TSize extent = ContentExtent();
      if (!FUpdatingBars && (extent.cx != FLastExtent.cx || extent.cy != FLastExtent.cy)) UpdateScrollBars();
      break;
    }
    case WM_PARENTNOTIFY:
      if (LOWORD(Message.WParam) == WM_CREATE || LOWORD(Message.WParam) == WM_DESTROY) FLastExtent = TSize{-1, -1};
      break;
    default:
      break;
  }
  inherited::WndProc(Message);
}
