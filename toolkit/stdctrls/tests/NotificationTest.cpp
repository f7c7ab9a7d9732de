#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "BitBtn.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ControlMessages.h"
#include "ControlTestSupport.h"
#include "Edit.h"
#include "GroupBox.h"
#include "ListBox.h"
#include "Memo.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "ToggleBox.h"

namespace {

struct TControlCase {
  const char* Name;
  const char* Caption;
  std::function<TWinControl*(TComponent*)> Make;
  // Drives the control through its (subclassed) window; true when it reacted as it should.
  std::function<bool(TWinControl*)> Works;
};

void PrintTo(const TControlCase& Case, std::ostream* Out) { *Out << Case.Name; }

bool ClickRuns(TWinControl* Control) {
  int clicks = 0;
  Control->SetOnClick([&](TObject*) { ++clicks; });
  SendMessageW(Control->Handle(), BM_CLICK, 0, 0);
  Control->SetOnClick(nullptr);
  return clicks == 1;
}

const TControlCase kCases[] = {
    {"TButton", "Changed", [](TComponent* O) { return new TButton(O); }, ClickRuns},
    {"TBitBtn", "Changed",
     [](TComponent* O) {
       auto* b = new TBitBtn(O);
       b->SetKind(bkOK);
       return b;
     },
     ClickRuns},
    {"TCheckBox", "Changed", [](TComponent* O) { return new TCheckBox(O); },
     [](TWinControl* C) {
       SendMessageW(C->Handle(), BM_CLICK, 0, 0);
       return static_cast<TCheckBox*>(C)->Checked();
     }},
    {"TRadioButton", "Changed", [](TComponent* O) { return new TRadioButton(O); },
     [](TWinControl* C) {
       SendMessageW(C->Handle(), BM_CLICK, 0, 0);
       return static_cast<TRadioButton*>(C)->Checked();
     }},
    {"TToggleBox", "Changed", [](TComponent* O) { return new TToggleBox(O); },
     [](TWinControl* C) {
       SendMessageW(C->Handle(), BM_CLICK, 0, 0);
       return static_cast<TToggleBox*>(C)->Checked();
     }},
    {"TGroupBox", "Changed", [](TComponent* O) { return new TGroupBox(O); },
     [](TWinControl* C) { return (WindowStyle(C->Handle()) & BS_TYPEMASK) == BS_GROUPBOX; }},
    {"TRadioGroup", "Changed",
     [](TComponent* O) {
       auto* g = new TRadioGroup(O);
       g->Items()->Add("one");
       g->Items()->Add("two");
       return g;
     },
     [](TWinControl* C) {
       auto* group = static_cast<TRadioGroup*>(C);
       SendMessageW(group->Buttons(1)->Handle(), BM_CLICK, 0, 0);
       return group->ItemIndex() == 1;
     }},
    {"TEdit", "Changed", [](TComponent* O) { return new TEdit(O); },
     [](TWinControl* C) {
       int changes = 0;
       static_cast<TEdit*>(C)->SetOnChange([&](TObject*) { ++changes; });
       TypeText(C->Handle(), L"ab");
       static_cast<TEdit*>(C)->SetOnChange(nullptr);
       return changes == 2 && C->Text().find("ab") != std::string::npos;
     }},
    {"TMemo", "Changed", [](TComponent* O) { return new TMemo(O); },
     [](TWinControl* C) {
       TypeText(C->Handle(), L"x\ry");
       return static_cast<TMemo*>(C)->Lines()->Count() == 2;
     }},
    {"TListBox", "Changed",
     [](TComponent* O) {
       auto* l = new TListBox(O);
       l->Items()->Add("one");
       l->Items()->Add("two");
       return l;
     },
     [](TWinControl* C) {
       ClickAt(C->Handle(), 5, 20);
       return static_cast<TListBox*>(C)->ItemIndex() == 1;
     }},
    {"TComboBox", "one",
     [](TComponent* O) {
       auto* c = new TComboBox(O);
       c->SetStyle(csDropDownList);
       c->Items()->Add("one");
       c->Items()->Add("two");
       return c;
     },
     [](TWinControl* C) {
       PressKey(C->Handle(), VK_DOWN);
       return static_cast<TComboBox*>(C)->ItemIndex() == 1;
     }},
};

}  // namespace

class NativeControlNotifications : public ::testing::TestWithParam<TControlCase> {};

TEST_P(NativeControlNotifications, ReachAThirdPartyProcedureThatLeavesTheControlWorking) {
  const TControlCase& c = GetParam();
  auto form = MakeHostForm();
  TWinControl* control = c.Make(form.get());
  control->SetParent(form.get());
  control->SetBounds(20, 20, 150, 60);
  auto* other = new TEdit(form.get());
  other->SetParent(form.get());
  other->SetBounds(20, 200, 100, 21);

  TSubclassProbe probe(*control);
  control->SetEnabled(false);
  EXPECT_EQ(probe.Count(CM_ENABLEDCHANGED), 1);
  EXPECT_FALSE(IsWindowEnabled(control->Handle()));
  control->SetEnabled(true);
  EXPECT_EQ(probe.Count(CM_ENABLEDCHANGED), 2);

  control->SetVisible(false);
  EXPECT_EQ(probe.Count(CM_VISIBLECHANGED), 1);
  EXPECT_FALSE(IsWindowVisible(control->Handle()));
  control->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(control->Handle()));

  control->SetCaption(c.Caption);
  EXPECT_EQ(probe.Count(CM_TEXTCHANGED), 1);

  SendMessageW(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(probe.Count(CM_MOUSEENTER), 1);
  SendMessageW(control->Handle(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(probe.Count(CM_MOUSELEAVE), 1);

  control->SetFocus();
  EXPECT_EQ(probe.Count(CM_ENTER), 1);
  other->SetFocus();
  EXPECT_EQ(probe.Count(CM_EXIT), 1);

  control->Font()->SetHeight(-16);
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control->Handle(), WM_GETFONT, 0, 0)), control->Font()->Handle());

  EXPECT_TRUE(c.Works(control));
}

INSTANTIATE_TEST_SUITE_P(StdCtrls, NativeControlNotifications, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TControlCase>& Info) { return std::string(Info.param.Name); });

TEST(NativeControlLook, ColorPaintsTheBackground) {
  auto form = MakeHostForm();
  struct TCase {
    const char* Name;
    TWinControl* Control;
  };
  auto* edit = new TEdit(form.get());
  auto* memo = new TMemo(form.get());
  auto* list = new TListBox(form.get());
  auto* check = new TCheckBox(form.get());
  const TCase cases[] = {{"edit", edit}, {"memo", memo}, {"list", list}, {"check", check}};
  int top = 10;
  for (const TCase& c : cases) {
    c.Control->SetParent(form.get());
    c.Control->SetBounds(10, top, 120, 40);
    top += 50;
    c.Control->SetColor(RGB(255, 255, 0));
  }
  PumpMessages(50);
  for (const TCase& c : cases) {
    RECT client;
    GetClientRect(c.Control->Handle(), &client);
    EXPECT_EQ(ClientPixel(c.Control->Handle(), client.right - 3, client.bottom - 3), RGB(255, 255, 0)) << c.Name;
  }
}

TEST(NativeControlLook, AlignAndAnchorsPlaceTheControl) {
  auto form = MakeHostForm(400, 300);
  auto* memo = new TMemo(form.get());
  memo->SetParent(form.get());
  memo->SetAlign(alClient);
  auto* list = new TListBox(form.get());
  list->SetParent(form.get());
  list->SetHeight(60);
  list->SetAlign(alBottom);
  auto* button = new TButton(form.get());
  button->SetParent(form.get());
  button->SetBounds(300, 10, 75, 25);
  button->SetAnchors(TAnchors{akTop, akRight});
  const TRect client = form->ClientRect();
  EXPECT_EQ(list->Top(), client.Height() - 60);
  EXPECT_EQ(list->Width(), client.Width());
  EXPECT_EQ(memo->Height(), client.Height() - 60);
  RECT r = RectInParent(list->Handle(), form->Handle());
  EXPECT_EQ(r.bottom, client.Height());
  form->SetWidth(form->Width() + 50);
  r = RectInParent(button->Handle(), form->Handle());
  EXPECT_EQ(r.left, 350) << "anchored to the right edge";
  EXPECT_EQ(list->Width(), client.Width() + 50);
}
