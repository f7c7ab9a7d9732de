#include "TreeNode.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ClassesErrors.h"
#include "CustomTreeView.h"
#include "TextEncoding.h"
#include "TreeNodes.h"

TTreeNode::TTreeNode(TTreeNodes* Owner, TTreeNode* Parent, std::string Text)
    : FOwner(Owner), FParent(Parent), FText(std::move(Text)) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

void TTreeNode::SetText(const std::string& Value) {
  if (Value == FText) return;
  FText = Value;
  UpdateNative(TVIF_TEXT);
}

void TTreeNode::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  UpdateNative(TVIF_IMAGE);
}

void TTreeNode::SetSelectedIndex(int Value) {
  if (Value == FSelectedIndex) return;
  FSelectedIndex = Value;
  UpdateNative(TVIF_SELECTEDIMAGE);
}

void TTreeNode::UpdateNative(UINT Mask) {
  if (!FItem) return;
  const std::wstring text = Utf8ToWide(FText);
  TVITEMW item{};
  item.mask = Mask | TVIF_HANDLE;
  item.hItem = FItem;
  item.pszText = const_cast<wchar_t*>(text.c_str());
  item.iImage = FImageIndex;
  item.iSelectedImage = FSelectedIndex;
  SendMessageW(TreeView()->Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TTreeNode::SetExpanded(bool Value) {
  if (Value && FChildren.empty()) return;
  if (Value == FExpanded) return;
  FExpanded = Value;
  if (FItem) SendMessageW(TreeView()->Handle(), TVM_EXPAND, Value ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(FItem));
}

void TTreeNode::Expand(bool Recurse) {
  SetExpanded(true);
  if (Recurse)
    for (auto& child : FChildren) child->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
  SetExpanded(false);
  if (Recurse)
    for (auto& child : FChildren) child->Collapse(true);
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool Value) {
  if (Value) TreeView()->SetSelected(this);
  else if (Selected()) TreeView()->SetSelected(nullptr);
}

TTreeNode* TTreeNode::Item(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("Tree node index " + std::to_string(Index) + " out of bounds (" + std::to_string(Count()) +
                     " children)");
  return FChildren[static_cast<size_t>(Index)].get();
}

const std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const {
  return FParent ? FParent->FChildren : FOwner->FRoots;
}

int TTreeNode::Index() const {
  const auto& siblings = Siblings();
  const auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& n) { return n.get() == this; });
  return static_cast<int>(it - siblings.begin());
}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* p = FParent; p; p = p->FParent) ++level;
  return level;
}

TTreeNode* TTreeNode::GetNextSibling() const {
  const auto& siblings = Siblings();
  const size_t next = static_cast<size_t>(Index()) + 1;
  return next < siblings.size() ? siblings[next].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
  const int index = Index();
  return index > 0 ? Siblings()[static_cast<size_t>(index - 1)].get() : nullptr;
}

bool TTreeNode::HasAsParent(const TTreeNode* Node) const {
  for (const TTreeNode* p = FParent; p; p = p->FParent)
    if (p == Node) return true;
  return false;
}

void TTreeNode::Delete() { FOwner->Delete(this); }

TRect TTreeNode::DisplayRect(bool TextOnly) const {
  if (!FItem) return TRect{};
  // The message takes the item in the rectangle it fills.
  RECT r{};
  std::memcpy(&r, &FItem, sizeof(FItem));
  if (!SendMessageW(TreeView()->Handle(), TVM_GETITEMRECT, TextOnly, reinterpret_cast<LPARAM>(&r))) return TRect{};
  return TRect::FromRECT(r);
}
