#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "ControlTestSupport.h"
#include "Edit.h"
#include "ListView.h"
#include "Notebook.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "Publisher.h"
#include "StatusBar.h"
#include "TrackBar.h"
#include "UpDown.h"
#include "Writer.h"

namespace {

// A form that builds one of each common control in its constructor, as forms do.
class TComTestForm : public TForm {
  VEXA_CLASS(TComTestForm, TForm)

public:
  explicit TComTestForm(TComponent* AOwner) : TForm(AOwner) {
    SetBounds(50, 50, 548, 348);
    PageControl1 = Add<TPageControl>("PageControl1", this);
    PageControl1->SetBounds(16, 48, 300, 200);
    TabSheet1 = Add<TTabSheet>("TabSheet1", PageControl1);
    TabSheet2 = Add<TTabSheet>("TabSheet2", PageControl1);
    TrackBar1 = Add<TTrackBar>("TrackBar1", TabSheet2);
    ProgressBar1 = Add<TProgressBar>("ProgressBar1", TabSheet2);
    Edit1 = Add<TEdit>("Edit1", TabSheet1);
    UpDown1 = Add<TUpDown>("UpDown1", TabSheet1);
    ListView1 = Add<TListView>("ListView1", this);
    ListView1->SetBounds(320, 48, 200, 200);
    Notebook1 = Add<TNotebook>("Notebook1", this);
    Notebook1->SetBounds(16, 260, 100, 40);
    Page1 = Add<TPage>("Page1", Notebook1);
    Page2 = Add<TPage>("Page2", Notebook1);
    StatusBar1 = Add<TStatusBar>("StatusBar1", this);
  }
  TPageControl* PageControl1;
  TTabSheet *TabSheet1, *TabSheet2;
  TTrackBar* TrackBar1;
  TProgressBar* ProgressBar1;
  TEdit* Edit1;
  TUpDown* UpDown1;
  TListView* ListView1;
  TNotebook* Notebook1;
  TPage *Page1, *Page2;
  TStatusBar* StatusBar1;

private:
  template <class T>
  T* Add(const char* Name, TWinControl* Parent) {
    auto* control = new T(this);
    control->SetName(Name);
    control->SetParent(Parent);
    return control;
  }
};

std::vector<uint8_t> StoredForm() {
  TComTestForm source(nullptr);
  source.TabSheet1->SetCaption("Normal controls 1");
  source.TabSheet2->SetCaption("Normal controls 2");
  source.TabSheet2->SetImageIndex(1);
  source.PageControl1->SetActivePage(source.TabSheet2);
  source.PageControl1->SetTabPosition(tpBottom);
  source.TrackBar1->SetOrientation(trVertical);
  source.TrackBar1->SetTickMarks(tmBoth);
  source.TrackBar1->SetPosition(3);
  source.ProgressBar1->SetOrientation(pbVertical);
  source.ProgressBar1->SetMax(10);
  source.ProgressBar1->SetPosition(10);
  source.UpDown1->SetAssociate(source.Edit1);
  source.UpDown1->SetMax(20);
  source.UpDown1->SetPosition(12);
  source.ListView1->SetViewStyle(vsReport);
  source.ListView1->SetRowSelect(true);
  for (const char* caption : {"Col1", "Col2", "Col3"}) source.ListView1->Columns()->Add()->SetCaption(caption);
  source.ListView1->Columns()->Items(2)->SetWidth(70);
  source.Notebook1->SetPageIndex(1);
  source.StatusBar1->SetSimpleText("Vexa Demo Application");
  source.StatusBar1->Panels()->Add()->SetText("panel");
  return WriteComponentResource(source);
}

}  // namespace

VEXA_DEFINE_CLASS(TComTestForm) {}

TEST(ComCtrlsStreaming, AFormResourceGivesBackEveryControlsStoredValues) {
  TResourceOverride resources;
  resources.Set("TComTestForm", StoredForm());
  std::unique_ptr<TComTestForm> form(CreateFormFromResource<TComTestForm>(nullptr));
  form->Show();
  PumpMessages();

  EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet2);
  EXPECT_EQ(form->PageControl1->TabPosition(), tpBottom);
  EXPECT_EQ(form->TabSheet1->Caption(), "Normal controls 1");
  EXPECT_EQ(form->TabSheet2->ImageIndex(), 1);
  EXPECT_EQ(SendMessageW(form->PageControl1->Handle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_TRUE(WindowStyle(form->PageControl1->Handle()) & TCS_BOTTOM);
  EXPECT_EQ(form->TrackBar1->Orientation(), trVertical);
  EXPECT_EQ(form->TrackBar1->TickMarks(), tmBoth);
  EXPECT_EQ(SendMessageW(form->TrackBar1->Handle(), TBM_GETPOS, 0, 0), 3);
  EXPECT_EQ(form->ProgressBar1->Orientation(), pbVertical);
  EXPECT_EQ(SendMessageW(form->ProgressBar1->Handle(), PBM_GETPOS, 0, 0), 10);
  EXPECT_EQ(form->UpDown1->Associate(), form->Edit1);
  EXPECT_EQ(form->UpDown1->Position(), 12);
  EXPECT_EQ(form->Edit1->Text(), "12");
  EXPECT_EQ(form->ListView1->ViewStyle(), vsReport);
  EXPECT_TRUE(form->ListView1->RowSelect());
  ASSERT_EQ(form->ListView1->Columns()->Count(), 3);
  EXPECT_EQ(form->ListView1->Columns()->Items(1)->Caption(), "Col2");
  const auto header = reinterpret_cast<HWND>(SendMessageW(form->ListView1->Handle(), LVM_GETHEADER, 0, 0));
  EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(form->ListView1->Handle(), LVM_GETCOLUMNWIDTH, 2, 0), 70);
  EXPECT_EQ(form->Notebook1->PageIndex(), 1);
  EXPECT_TRUE(IsWindowVisible(form->Page2->Handle()));
  EXPECT_EQ(form->StatusBar1->SimpleText(), "Vexa Demo Application");
  EXPECT_EQ(form->StatusBar1->Panels()->Count(), 1);
  EXPECT_EQ(form->StatusBar1->Align(), alBottom);
}
