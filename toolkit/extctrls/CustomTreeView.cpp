#include "CustomTreeView.h"

#include "ControlMessages.h"
#include "Publisher.h"
#include "TImageList.h"
#include "TreeNode.h"
#include "TreeNodes.h"

VEXA_DEFINE_CLASS(TCustomTreeView) {}

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TNativeControl(AOwner, WC_TREEVIEWW, ICC_TREEVIEW_CLASSES), FItems(std::make_unique<TTreeNodes>(*this)) {
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView() {
  // The window goes while the nodes are still there: it reports on them as it goes.
  MarkDestroying();
  DestroyHandle();
}

void TCustomTreeView::SetSelected(TTreeNode* Value) {
  if (Value == FSelected) return;
  if (!HandleAllocated()) {
    FSelected = Value;
    return;
  }
  // The control answers with the selection notifications, which set FSelected.
  SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(Value ? Value->ItemId() : nullptr));
}

void TCustomTreeView::SetImages(TImageList* Value) {
  if (Value == FImages) return;
  FImages = Value;
  ImagesChanged();
}

void TCustomTreeView::ImagesChanged() {
  if (!HandleAllocated()) return;
  // The control lets go of the old list before it is destroyed.
  SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
  FNativeImages.Assign(FImages);
  SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FNativeImages.Handle()));
}

void TCustomTreeView::SetShowButtons(bool Value) {
  if (Value == FShowButtons) return;
  FShowButtons = Value;
  RecreateWnd();
}

void TCustomTreeView::SetShowLines(bool Value) {
  if (Value == FShowLines) return;
  FShowLines = Value;
  RecreateWnd();
}

void TCustomTreeView::SetShowRoot(bool Value) {
  if (Value == FShowRoot) return;
  FShowRoot = Value;
  RecreateWnd();
}

void TCustomTreeView::SetHideSelection(bool Value) {
  if (Value == FHideSelection) return;
  FHideSelection = Value;
  RecreateWnd();
}

void TCustomTreeView::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) {
  if (!HandleAllocated()) return nullptr;
  TVHITTESTINFO hit{};
  hit.pt = POINT{X, Y};
  auto item = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (!(hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT))) return nullptr;
  return FItems->FindByItem(item);
}

void TCustomTreeView::FullExpand() {
  FItems->ForEach([](TTreeNode& node) { node.Expand(false); });
}

void TCustomTreeView::FullCollapse() {
  FItems->ForEach([](TTreeNode& node) { node.Collapse(false); });
}

void TCustomTreeView::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= TVS_DISABLEDRAGDROP;
  if (FShowButtons) Params.Style |= TVS_HASBUTTONS;
  if (FShowLines) Params.Style |= TVS_HASLINES;
  if (FShowRoot) Params.Style |= TVS_LINESATROOT;
  if (!FHideSelection) Params.Style |= TVS_SHOWSELALWAYS;
  if (FBorderStyle == TBorderStyle::bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
  inherited::CreateWnd();
  ApplyColors();
  if (FImages) ImagesChanged();
  FItems->CreateItems();
  if (FSelected && FSelected->ItemId()) {
    FRestoringSelection = true;
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FSelected->ItemId()));
    FRestoringSelection = false;
  }
}

void TCustomTreeView::DestroyWnd() {
  FDestroyingWindow = true;
  try {
    inherited::DestroyWnd();
  } catch (...) {
    FDestroyingWindow = false;
    throw;
  }
  FDestroyingWindow = false;
  FItems->ForgetItems();
}

void TCustomTreeView::ApplyColors() {
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ToColorRef(Color())));
  SendMessageW(Handle(), TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ToColorRef(Font()->Color())));
}

void TCustomTreeView::NodeDeleting(TTreeNode* Node) {
  if (!FSelected) return;
  if (!Node || FSelected == Node || FSelected->HasAsParent(Node)) FSelected = nullptr;
}

bool TCustomTreeView::BeingDeleted(const TTreeNode* Node) const {
  if (!Node) return false;
  if (FDeletingAll) return true;
  return FDeletingNode && (Node == FDeletingNode || Node->HasAsParent(FDeletingNode));
}

void TCustomTreeView::HandleNotify(TMessage& Message) {
  const auto* header = reinterpret_cast<const NMHDR*>(Message.LParam);
  // The wide and narrow forms of these notifications differ only in the text pointers.
  const auto* tree = reinterpret_cast<const NMTREEVIEWW*>(Message.LParam);
  auto* node = reinterpret_cast<TTreeNode*>(tree->itemNew.lParam);
  Message.Result = 0;
  switch (header->code) {
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDINGA: {
      if (!node) return;
      bool allow = true;
      if (tree->action & TVE_EXPAND) CallEvent(FOnExpanding, this, node, allow);
      else if (tree->action & TVE_COLLAPSE) CallEvent(FOnCollapsing, this, node, allow);
      Message.Result = allow ? FALSE : TRUE;
      return;
    }
    case TVN_ITEMEXPANDEDW:
    case TVN_ITEMEXPANDEDA:
      if (!node || BeingDeleted(node)) return;
      node->FExpanded = (tree->action & TVE_EXPAND) != 0 && node->HasChildren();
      CallEvent(node->FExpanded ? FOnExpanded : FOnCollapsed, this, node);
      return;
    case TVN_SELCHANGINGW:
    case TVN_SELCHANGINGA: {
      if (FDestroyingWindow || FRestoringSelection || BeingDeleted(node)) return;
      bool allow = true;
      CallEvent(FOnChanging, this, node, allow);
      Message.Result = allow ? FALSE : TRUE;
      return;
    }
    case TVN_SELCHANGEDW:
    case TVN_SELCHANGEDA:
      if (FDestroyingWindow || FRestoringSelection) return;
      FSelected = BeingDeleted(node) ? nullptr : node;
      CallEvent(FOnChange, this, FSelected);
      return;
    case NM_CLICK:
      Click();
      return;
    case NM_DBLCLK:
      DblClick();
      return;
    default:
      return;
  }
}

void TCustomTreeView::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY:
      return HandleNotify(Message);
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      ApplyColors();
      break;
    default:
      break;
  }
  inherited::WndProc(Message);
}
