#include "TreeNodes.h"

#include <algorithm>
#include <string>

#include "ClassesErrors.h"
#include "CustomTreeView.h"
#include "TextEncoding.h"
#include "TreeNode.h"

TTreeNodes::TTreeNodes(TCustomTreeView& Owner) : FOwner(Owner) {}

TTreeNodes::~TTreeNodes() = default;

void TTreeNodes::ForEach(const std::function<void(TTreeNode&)>& Action) const {
  const std::function<void(const std::vector<std::unique_ptr<TTreeNode>>&)> walk =
      [&](const std::vector<std::unique_ptr<TTreeNode>>& List) {
        for (const auto& node : List) {
          Action(*node);
          walk(node->FChildren);
        }
      };
  walk(FRoots);
}

int TTreeNodes::Count() const {
  int count = 0;
  ForEach([&count](TTreeNode&) { ++count; });
  return count;
}

TTreeNode* TTreeNodes::Item(int Index) const {
  TTreeNode* found = nullptr;
  int at = 0;
  ForEach([&](TTreeNode& node) {
    if (at++ == Index) found = &node;
  });
  if (!found || Index < 0)
    throw EListError("Tree node index " + std::to_string(Index) + " out of bounds (" + std::to_string(Count()) + " nodes)");
  return found;
}

TTreeNode* TTreeNodes::GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front().get(); }

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::ChildrenOf(TTreeNode* Parent) {
  return Parent ? Parent->FChildren : FRoots;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const std::string& Text) {
  TTreeNode* parent = Sibling ? Sibling->FParent : nullptr;
  return InsertNode(parent, ChildrenOf(parent).size(), Text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const std::string& Text) {
  return InsertNode(Sibling ? Sibling->FParent : nullptr, 0, Text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const std::string& Text) {
  return InsertNode(Parent, ChildrenOf(Parent).size(), Text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const std::string& Text) { return InsertNode(Parent, 0, Text); }

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const std::string& Text) {
  if (!Sibling) return Add(nullptr, Text);
  return InsertNode(Sibling->FParent, static_cast<size_t>(Sibling->Index()), Text);
}

TTreeNode* TTreeNodes::InsertNode(TTreeNode* Parent, size_t Position, const std::string& Text) {
  auto& list = ChildrenOf(Parent);
  std::unique_ptr<TTreeNode> node(new TTreeNode(this, Parent, Text));
  TTreeNode* result = node.get();
  list.insert(list.begin() + static_cast<ptrdiff_t>(std::min(Position, list.size())), std::move(node));
  if (FOwner.HandleAllocated() && (!Parent || Parent->FItem)) {
    try {
      CreateNativeItem(*result);
    } catch (...) {
      std::erase_if(list, [result](const auto& n) { return n.get() == result; });
      throw;
    }
  }
  return result;
}

void TTreeNodes::CreateNativeItem(TTreeNode& Node) {
  const std::wstring text = Utf8ToWide(Node.FText);
  TVINSERTSTRUCTW insert{};
  insert.hParent = Node.FParent ? Node.FParent->FItem : TVI_ROOT;
  const int index = Node.Index();
  insert.hInsertAfter = index == 0 ? TVI_FIRST : Node.Siblings()[static_cast<size_t>(index - 1)]->FItem;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<wchar_t*>(text.c_str());
  insert.item.iImage = Node.FImageIndex;
  insert.item.iSelectedImage = Node.FSelectedIndex;
  insert.item.lParam = reinterpret_cast<LPARAM>(&Node);
  Node.FItem = reinterpret_cast<HTREEITEM>(
      SendMessageW(FOwner.Handle(), TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  for (auto& child : Node.FChildren) CreateNativeItem(*child);
}

void TTreeNodes::CreateItems() {
  for (auto& root : FRoots) CreateNativeItem(*root);
  HWND window = FOwner.Handle();
  ForEach([window](TTreeNode& node) {
    if (node.FExpanded && node.FItem)
      SendMessageW(window, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node.FItem));
  });
}

void TTreeNodes::ForgetItems() {
  ForEach([](TTreeNode& node) { node.FItem = nullptr; });
}

TTreeNode* TTreeNodes::FindByItem(HTREEITEM Item) const {
  if (!Item || !FOwner.HandleAllocated()) return nullptr;
  TVITEMW item{};
  item.mask = TVIF_PARAM | TVIF_HANDLE;
  item.hItem = Item;
  if (!SendMessageW(FOwner.Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<TTreeNode*>(item.lParam);
}

void TTreeNodes::Delete(TTreeNode* Node) {
  if (!Node) return;
  TTreeNode* parent = Node->FParent;
  FOwner.NodeDeleting(Node);
  if (Node->FItem) {
    FOwner.FDeletingNode = Node;
    SendMessageW(FOwner.Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(Node->FItem));
    FOwner.FDeletingNode = nullptr;
  }
  auto& list = ChildrenOf(parent);
  std::erase_if(list, [Node](const auto& n) { return n.get() == Node; });
  if (parent && parent->FChildren.empty()) parent->FExpanded = false;
}

void TTreeNodes::Clear() {
  if (FRoots.empty()) return;
  FOwner.NodeDeleting(nullptr);
  if (FOwner.HandleAllocated()) {
    FOwner.FDeletingAll = true;
    SendMessageW(FOwner.Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    FOwner.FDeletingAll = false;
  }
  FRoots.clear();
}
