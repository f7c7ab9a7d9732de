#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "BitBtn.h"
#include "ComboBox.h"
#include "ControlTestSupport.h"
#include "GdiObjectCount.h"
#include "ListView.h"
#include "PageControl.h"
#include "StatusBar.h"
#include "TImageList.h"

namespace {

// One round of everything that takes GDI objects: painted bit buttons, image lists handed to the
// platform, a status bar canvas, windows made again.
void Round(TImageList& Images) {
  auto form = MakeHostForm();
  auto* button = new TBitBtn(form.get());
  button->SetParent(form.get());
  button->SetKind(bkRetry);
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  button->SetEnabled(false);
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  auto* view = new TListView(form.get());
  view->SetParent(form.get());
  view->SetSmallImages(&Images);
  view->SetLargeImages(&Images);
  view->Items()->Add()->SetCaption("item");
  view->SetBorderStyle(TBorderStyle::bsNone);
  auto* pages = new TPageControl(form.get());
  pages->SetParent(form.get());
  (new TTabSheet(form.get()))->SetPageControl(pages);
  pages->SetImages(&Images);
  pages->ImagesChanged();
  auto* bar = new TStatusBar(form.get());
  bar->SetParent(form.get());
  bar->SetColor(clRed);
  bar->Canvas().FillRect(TRect{0, 0, 5, 5});
  PumpMessages();
}

}  // namespace

TEST(ControlResources, AreReleasedWithTheirControls) {
  TImageList images(16, 16);
  TBitmap picture(32, 16);
  picture.Canvas().FillRect(TRect{0, 0, 32, 16});
  images.AddMasked(picture, clFuchsia);
  Round(images);  // the first round makes what the platform keeps for the process
  Round(images);
  const size_t before = CountGdiObjects();
  for (int i = 0; i < 5; ++i) Round(images);
  EXPECT_EQ(CountGdiObjects(), before);
}
