#pragma once
#include <windows.h>

#include "CustomNotebook.h"
#include "ImageListHandle.h"
#include "TabSheet.h"

class TImageList;

// Pages with tabs: the window is the platform's tab control ("SysTabControl32"), one tab per page
// (its Caption and ImageIndex), and the tab sheets are placed in the tab control's display area
// (TCM_ADJUSTRECT). Clicking a tab shows its page; OnChanging may refuse that, OnChange follows it.
// TabPosition puts the tabs on any side (changing it makes the window again). Images lends the
// tabs their pictures: the list must outlive its use here, and after changing it in place call
// ImagesChanged.
class TPageControl : public TCustomNotebook {
  VEXA_CLASS(TPageControl, TCustomNotebook)

public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;

  TTabSheet* ActivePage() const { return dynamic_cast<TTabSheet*>(TCustomNotebook::ActivePage()); }
  void SetActivePage(TTabSheet* Value) { TCustomNotebook::SetActivePage(Value); }
  TTabSheet* Pages(int Index) const { return dynamic_cast<TTabSheet*>(TCustomNotebook::Pages(Index)); }
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value);
  void ImagesChanged();

  // The area the pages take, in client coordinates.
  TRect DisplayRect() const;
  // The index of the tab at a client point, or -1.
  int IndexOfTabAt(int X, int Y) const;

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  void CreateWnd() override;
  TRect PageArea() const override { return DisplayRect(); }
  void PageInserted(int Index) override;
  void PageRemoved(int Index) override;
  void PageChanged(int Index) override;
  void ActivePageChanged() override;

private:
  void SendTab(UINT Msg, int Index);

  TTabPosition FTabPosition = tpTop;
  bool FMultiLine = false;
  TImageList* FImages = nullptr;
  TImageListHandle FNativeImages;
};
