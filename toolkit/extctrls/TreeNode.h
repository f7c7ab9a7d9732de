#pragma once
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "TRect.h"

class TTreeNodes;
class TCustomTreeView;

// One item of a tree view: its text (UTF-8), images, expanded state and child nodes. Nodes are made
// and freed through TTreeNodes (or Delete); a node owns its children. While the tree view has a
// window every node has a native item (ItemId), kept in step with the node by each setter.
class TTreeNode {
public:
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;
  ~TTreeNode();

  TTreeNodes* Owner() const { return FOwner; }
  TCustomTreeView* TreeView() const;

  const std::string& Text() const { return FText; }
  void SetText(const std::string& Value);
  // Images of the tree view's Images; -1 for none. SelectedIndex is shown while the node is selected.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  int SelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int Value);
  void* Data() const { return FData; }
  void SetData(void* Value) { FData = Value; }

  // A node without children is never expanded.
  bool Expanded() const { return FExpanded; }
  void SetExpanded(bool Value);
  void Expand(bool Recurse);
  void Collapse(bool Recurse);
  bool Selected() const;
  void SetSelected(bool Value);

  TTreeNode* Parent() const { return FParent; }
  int Count() const { return static_cast<int>(FChildren.size()); }
  bool HasChildren() const { return !FChildren.empty(); }
  TTreeNode* Item(int Index) const;  // EListError out of range
  int Index() const;                 // among its siblings
  int Level() const;                 // 0 for a root node
  TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front().get(); }
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  // The node is this one's child, grandchild...
  bool HasAsParent(const TTreeNode* Node) const;

  // Frees the node and its children (they leave the tree view).
  void Delete();

  // The native item while the tree view has a window, else null.
  HTREEITEM ItemId() const { return FItem; }
  // The node's row (or its text) in the tree view's client coordinates; empty while not shown.
  TRect DisplayRect(bool TextOnly) const;

private:
  friend class TTreeNodes;
  friend class TCustomTreeView;  // follows the native expand notifications
  TTreeNode(TTreeNodes* Owner, TTreeNode* Parent, std::string Text);
  const std::vector<std::unique_ptr<TTreeNode>>& Siblings() const;
  void UpdateNative(UINT Mask);

  TTreeNodes* FOwner;
  TTreeNode* FParent;
  std::vector<std::unique_ptr<TTreeNode>> FChildren;
  std::string FText;
  int FImageIndex = -1;
  int FSelectedIndex = -1;
  bool FExpanded = false;
  void* FData = nullptr;
  HTREEITEM FItem = nullptr;
};
