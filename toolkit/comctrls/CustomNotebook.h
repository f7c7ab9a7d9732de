#pragma once
#include <vector>

#include "ComCtrlsTypes.h"
#include "CustomPage.h"
#include "NotifyEvent.h"
#include "WinControl.h"

// A stack of pages (TCustomPage children) of which one, the active page, is shown in the page
// area; the others are hidden. Pages join by being put into the notebook and leave by being taken
// out or destroyed; the notebook destroys the pages it still has. A descendant decides what the
// page area is and how pages are chosen (TPageControl: tabs; TNotebook: code only). OnChanging may
// refuse, and OnChange follows, a change of page made by the user.
class TCustomNotebook : public TWinControl {
  VEXA_CLASS(TCustomNotebook, TWinControl)

public:
  explicit TCustomNotebook(TComponent* AOwner);
  ~TCustomNotebook() override;

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TCustomPage* Pages(int Index) const;  // EListError out of range
  int IndexOfPage(const TCustomPage* Page) const;
  // -1 without pages. Setting shows the page; an index out of range is ignored.
  int ActivePageIndex() const { return FActivePageIndex; }
  void SetActivePageIndex(int Value);
  TCustomPage* ActivePage() const;
  void SetActivePage(TCustomPage* Value);

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  const TTabChangingEvent& OnChanging() const { return FOnChanging; }
  void SetOnChanging(TTabChangingEvent Value) { FOnChanging = std::move(Value); }

protected:
  // Where the pages go, in client coordinates: the whole client area here.
  virtual TRect PageArea() const { return ClientRect(); }
  // Told after the page list or a page's caption or image changed.
  virtual void PageInserted(int Index);
  virtual void PageRemoved(int Index);
  virtual void PageChanged(int Index);
  virtual void ActivePageChanged() {}
  void AlignControls(TRect& Rect) override;
  bool CanChange();
  virtual void Change();
  // Shows the active page in the page area and hides the others.
  void ShowActivePage();

private:
  friend class TCustomPage;
  void InsertPage(TCustomPage* Page);
  void RemovePage(TCustomPage* Page);
  void MovePage(TCustomPage* Page, int NewIndex);
  void PageEdited(TCustomPage* Page);

  std::vector<TCustomPage*> FPages;
  int FActivePageIndex = -1;
  TNotifyEvent FOnChange;
  TTabChangingEvent FOnChanging;
};
