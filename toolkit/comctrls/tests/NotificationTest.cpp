#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <ostream>
#include <string>

#include "ControlMessages.h"
#include "ControlTestSupport.h"
#include "Edit.h"
#include "ListView.h"
#include "Notebook.h"
#include "PageControl.h"
#include "ProgressBar.h"
#include "StatusBar.h"
#include "TrackBar.h"
#include "UpDown.h"

namespace {

struct TControlCase {
  const char* Name;
  std::function<TWinControl*(TComponent*)> Make;
  // Drives the control through its (subclassed) window; true when it reacted as it should.
  std::function<bool(TWinControl*)> Works;
};

void PrintTo(const TControlCase& Case, std::ostream* Out) { *Out << Case.Name; }

const TControlCase kCases[] = {
    {"TPageControl",
     [](TComponent* O) {
       auto* pages = new TPageControl(O);
       for (const char* caption : {"One", "Two"}) {
         auto* sheet = new TTabSheet(O);
         sheet->SetPageControl(pages);
         sheet->SetCaption(caption);
       }
       return pages;
     },
     [](TWinControl* C) {
       RECT tab{};
       SendMessageW(C->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
       ClickAt(C->Handle(), (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
       return static_cast<TPageControl*>(C)->ActivePageIndex() == 1;
     }},
    {"TNotebook",
     [](TComponent* O) {
       auto* book = new TNotebook(O);
       for (int i = 0; i < 2; ++i) (new TPage(O))->SetParent(book);
       return book;
     },
     [](TWinControl* C) {
       auto* book = static_cast<TNotebook*>(C);
       book->SetPageIndex(1);
       return IsWindowVisible(book->Pages(1)->Handle()) && !IsWindowVisible(book->Pages(0)->Handle());
     }},
    {"TTrackBar", [](TComponent* O) { return new TTrackBar(O); },
     [](TWinControl* C) {
       PressKey(C->Handle(), VK_RIGHT);
       return static_cast<TTrackBar*>(C)->Position() == 1;
     }},
    {"TProgressBar", [](TComponent* O) { return new TProgressBar(O); },
     [](TWinControl* C) {
       static_cast<TProgressBar*>(C)->SetPosition(30);
       return SendMessageW(C->Handle(), PBM_GETPOS, 0, 0) == 30;
     }},
    {"TUpDown", [](TComponent* O) { return new TUpDown(O); },
     [](TWinControl* C) {
       SendMessageW(C->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 3));
       SendMessageW(C->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 3));
       return static_cast<TUpDown*>(C)->Position() == 1;
     }},
    {"TStatusBar", [](TComponent* O) { return new TStatusBar(O); },
     [](TWinControl* C) {
       static_cast<TStatusBar*>(C)->SetSimpleText("status");
       wchar_t text[32] = {};
       SendMessageW(C->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
       return std::wstring(text) == L"status";
     }},
    {"TListView",
     [](TComponent* O) {
       auto* view = new TListView(O);
       view->SetViewStyle(vsReport);
       view->Columns()->Add()->SetCaption("Col1");
       view->Items()->Add()->SetCaption("Item1");
       return view;
     },
     [](TWinControl* C) {
       const auto header = reinterpret_cast<HWND>(SendMessageW(C->Handle(), LVM_GETHEADER, 0, 0));
       static_cast<TListView*>(C)->Items()->Item(0)->SetSelected(true);
       return header && SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 1 &&
              static_cast<TListView*>(C)->ItemIndex() == 0;
     }},
};

}  // namespace

class CommonControlNotifications : public ::testing::TestWithParam<TControlCase> {};

TEST_P(CommonControlNotifications, ReachAThirdPartyProcedureThatLeavesTheControlWorking) {
  const TControlCase& c = GetParam();
  auto form = MakeHostForm();
  TWinControl* control = c.Make(form.get());
  control->SetParent(form.get());
  control->SetAlign(alNone);
  control->SetBounds(20, 20, 200, 80);
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetBounds(20, 200, 100, 21);

  TSubclassProbe probe(*control);
  control->SetEnabled(false);
  EXPECT_EQ(probe.Count(CM_ENABLEDCHANGED), 1);
  EXPECT_FALSE(IsWindowEnabled(control->Handle()));
  control->SetEnabled(true);
  control->SetVisible(false);
  EXPECT_EQ(probe.Count(CM_VISIBLECHANGED), 1);
  EXPECT_FALSE(IsWindowVisible(control->Handle()));
  control->SetVisible(true);
  control->SetCaption("Changed");
  EXPECT_EQ(probe.Count(CM_TEXTCHANGED), 1);
  SendMessageW(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(probe.Count(CM_MOUSEENTER), 1);
  SendMessageW(control->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(probe.Count(CM_MOUSELEAVE), 1);
  control->SetFocus();
  EXPECT_EQ(probe.Count(CM_ENTER), 1);
  other->SetFocus();
  EXPECT_EQ(probe.Count(CM_EXIT), 1);
  EXPECT_TRUE(c.Works(control));
}

INSTANTIATE_TEST_SUITE_P(ComCtrls, CommonControlNotifications, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TControlCase>& Info) { return std::string(Info.param.Name); });
