#pragma once
#include "WinControl.h"

class TCustomNotebook;

// One page of a notebook or page control: a windowed container of the toolkit's own class, placed
// by its notebook in the page area and shown only while it is the active page. Putting a page into
// a notebook (SetParent) makes it one of its pages, after the others; Caption is its tab's text and
// ImageIndex its tab's image (-1 for none). By default it takes its parent's Color.
class TCustomPage : public TWinControl {
  VEXA_CLASS(TCustomPage, TWinControl)

public:
  explicit TCustomPage(TComponent* AOwner);
  ~TCustomPage() override;

  TCustomNotebook* Notebook() const { return FNotebook; }
  // The position among the notebook's pages, -1 outside one. Setting it moves the page.
  int PageIndex() const;
  void SetPageIndex(int Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);

  void SetParent(TWinControl* Value) override;
  void WndProc(TMessage& Message) override;

private:
  friend class TCustomNotebook;
  TCustomNotebook* FNotebook = nullptr;
  int FImageIndex = -1;
};
