#pragma once
#include <windows.h>

#include <functional>
#include <memory>

#include "ComCtrlsTypes.h"
#include "FormTypes.h"
#include "ListColumns.h"
#include "ListItems.h"
#include "NativeControl.h"
#include "ImageListHandle.h"

class TImageList;

using TLVSelectItemEvent = std::function<void(TObject* Sender, TListItem* Item, bool Selected)>;

// A list view (the platform's "SysListView32"). Items and Columns are kept here and shown by the
// window (which is made again, with them, whenever needed). ViewStyle picks icons, small icons, a
// list or the report with one column per TListColumn (its header comes back from LVM_GETHEADER).
// RowSelect highlights whole rows, GridLines draws cell lines. SmallImages and LargeImages lend the
// items (and column headers) their pictures: the lists must outlive their use here, and after
// changing one in place call ImagesChanged. OnSelectItem runs for every item whose selection
// changes, by the user or by code.
class TCustomListView : public TNativeControl {
  VEXA_CLASS(TCustomListView, TNativeControl)

public:
  explicit TCustomListView(TComponent* AOwner);
  ~TCustomListView() override;

  TListColumns* Columns() const { return FColumns.get(); }
  void SetColumns(TListColumns* Value) { FColumns->Assign(Value); }
  TListItems* Items() const { return FItems.get(); }
  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle Value);
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value);
  bool GridLines() const { return FGridLines; }
  void SetGridLines(bool Value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TImageList* Value);
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* Value);
  void ImagesChanged();

  // The first selected item and its index (null, -1 when none is).
  TListItem* Selected() const;
  int ItemIndex() const;
  void SetItemIndex(int Value);
  // The column header window of the report view (LVM_GETHEADER), null without a window.
  HWND HeaderHandle() const;

  const TLVSelectItemEvent& OnSelectItem() const { return FOnSelectItem; }
  void SetOnSelectItem(TLVSelectItemEvent Value) { FOnSelectItem = std::move(Value); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void ColorChanged() override;

private:
  friend class TListColumns;
  friend class TListColumn;
  friend class TListItems;
  friend class TListItem;
  void ColumnsChanged(TListColumn* Column);
  int ColumnWidth(int Index) const;  // -1 without a window
  void ItemInserted(int Index);
  void ItemDeleting(int Index);
  void ItemsClearing();
  void ItemChanged(int Index);
  bool ItemSelected(int Index, bool Fallback) const;
  void SetItemSelected(int Index, bool Value);
  void SetRedraw(bool Value);

  void SendColumn(UINT Msg, int Index);
  void SendItem(int Index, bool Insert);
  void ApplyExtendedStyle();
  void ApplyImages();
  void ItemStateChanged(const NMLISTVIEW& Change);

  std::unique_ptr<TListColumns> FColumns;
  std::unique_ptr<TListItems> FItems;
  TViewStyle FViewStyle = vsIcon;
  bool FRowSelect = false;
  bool FGridLines = false;
  bool FMultiSelect = false;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  TImageList* FSmallImages = nullptr;
  TImageList* FLargeImages = nullptr;
  TImageListHandle FNativeSmall;
  TImageListHandle FNativeLarge;
  bool FChangingItems = false;  // the window is being filled or emptied: its notifications are ours
  TLVSelectItemEvent FOnSelectItem;
};
