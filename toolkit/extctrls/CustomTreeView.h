#pragma once
#include <functional>
#include <memory>

#include "FormTypes.h"
#include "NativeControl.h"
#include "ImageListHandle.h"

class TImageList;
class TTreeNode;
class TTreeNodes;

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

// A tree of nodes (Items) shown by the platform's tree view control ("SysTreeView32"). The native
// control does the drawing, the scroll bars, the keyboard (arrows, + and -) and the mouse (the +/-
// buttons, double clicks); the nodes live in TTreeNodes, which mirrors them into the window while
// it exists and keeps them across a recreation of the window. What the user does comes back as
// the native notifications: Expanded and Selected follow them, and the events run.
// The nodes are not stored in form resources, and the text cannot be edited in place.
class TCustomTreeView : public TNativeControl {
  VEXA_CLASS(TCustomTreeView, TNativeControl)

public:
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;

  TTreeNodes* Items() const { return FItems.get(); }
  TTreeNode* Selected() const { return FSelected; }
  void SetSelected(TTreeNode* Value);
  // The images the nodes' ImageIndex and SelectedIndex name; not owned. Call ImagesChanged after
  // changing the list's images.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  void ImagesChanged();

  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool Value);
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool Value);
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool Value);
  // The selection shows only while the tree view has the focus.
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  // The node at a client point, or null.
  TTreeNode* GetNodeAt(int X, int Y);
  void FullExpand();
  void FullCollapse();

  const TTVChangedEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TTVChangedEvent Value) { FOnChange = std::move(Value); }
  const TTVChangingEvent& OnChanging() const { return FOnChanging; }
  void SetOnChanging(TTVChangingEvent Value) { FOnChanging = std::move(Value); }
  const TTVExpandingEvent& OnExpanding() const { return FOnExpanding; }
  void SetOnExpanding(TTVExpandingEvent Value) { FOnExpanding = std::move(Value); }
  const TTVExpandedEvent& OnExpanded() const { return FOnExpanded; }
  void SetOnExpanded(TTVExpandedEvent Value) { FOnExpanded = std::move(Value); }
  const TTVCollapsingEvent& OnCollapsing() const { return FOnCollapsing; }
  void SetOnCollapsing(TTVCollapsingEvent Value) { FOnCollapsing = std::move(Value); }
  const TTVExpandedEvent& OnCollapsed() const { return FOnCollapsed; }
  void SetOnCollapsed(TTVExpandedEvent Value) { FOnCollapsed = std::move(Value); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;

private:
  friend class TTreeNodes;
  // Node (or, when null, every node) is about to be freed.
  void NodeDeleting(TTreeNode* Node);
  void HandleNotify(TMessage& Message);
  void ApplyColors();
  bool BeingDeleted(const TTreeNode* Node) const;

  std::unique_ptr<TTreeNodes> FItems;
  TTreeNode* FSelected = nullptr;
  TImageList* FImages = nullptr;
  TImageListHandle FNativeImages;
  bool FShowButtons = true;
  bool FShowLines = true;
  bool FShowRoot = true;
  bool FHideSelection = true;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FDestroyingWindow = false;
  TTreeNode* FDeletingNode = nullptr;
  bool FDeletingAll = false;
  bool FRestoringSelection = false;
  TTVChangedEvent FOnChange;
  TTVChangingEvent FOnChanging;
  TTVExpandingEvent FOnExpanding;
  TTVExpandedEvent FOnExpanded;
  TTVCollapsingEvent FOnCollapsing;
  TTVExpandedEvent FOnCollapsed;
};
