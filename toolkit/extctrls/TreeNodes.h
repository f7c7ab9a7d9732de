#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomTreeView;
class TTreeNode;

// The nodes of a tree view. Add puts a node last among Sibling's siblings (last among the root
// nodes when Sibling is null), AddFirst first; AddChild puts it last among Parent's children (a
// root node when Parent is null), AddChildFirst first; Insert puts it just before Sibling. Count
// and Item(i) see every node, in the order the tree shows them fully expanded.
class TTreeNodes {
public:
  explicit TTreeNodes(TCustomTreeView& Owner);
  ~TTreeNodes();
  TTreeNodes(const TTreeNodes&) = delete;
  TTreeNodes& operator=(const TTreeNodes&) = delete;

  TCustomTreeView* Owner() const { return &FOwner; }
  int Count() const;
  TTreeNode* Item(int Index) const;  // EListError out of range
  TTreeNode* GetFirstNode() const;
  int RootCount() const { return static_cast<int>(FRoots.size()); }

  TTreeNode* Add(TTreeNode* Sibling, const std::string& Text);
  TTreeNode* AddFirst(TTreeNode* Sibling, const std::string& Text);
  TTreeNode* AddChild(TTreeNode* Parent, const std::string& Text);
  TTreeNode* AddChildFirst(TTreeNode* Parent, const std::string& Text);
  TTreeNode* Insert(TTreeNode* Sibling, const std::string& Text);
  // Frees Node and its children.
  void Delete(TTreeNode* Node);
  void Clear();

  // Every node, parents before children, in tree order.
  void ForEach(const std::function<void(TTreeNode&)>& Action) const;
  // The node of a native item of the tree view, or null.
  TTreeNode* FindByItem(HTREEITEM Item) const;

private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  std::vector<std::unique_ptr<TTreeNode>>& ChildrenOf(TTreeNode* Parent);
  TTreeNode* InsertNode(TTreeNode* Parent, size_t Position, const std::string& Text);
  void CreateNativeItem(TTreeNode& Node);
  // The window was made: every node gets its native item, and expanded nodes are expanded.
  void CreateItems();
  // The window is gone, and the native items with it.
  void ForgetItems();

  TCustomTreeView& FOwner;
  std::vector<std::unique_ptr<TTreeNode>> FRoots;
};
