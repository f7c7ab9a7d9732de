#include <gtest/gtest.h>

#include <string>

#include "ControlTestSupport.h"
#include "Edit.h"
#include "Memo.h"
#include "PropertyApi.h"
#include "PropInfo.h"

namespace {

struct TEditFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm();
  template <class T>
  T* Make(int Width, int Height) {
    auto* control = new T(Form.get());
    control->SetParent(Form.get());
    control->SetBounds(10, 10, Width, Height);
    return control;
  }
};

std::wstring WindowTextW(HWND Window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(Window, text.data(), static_cast<int>(text.size()))));
  return text;
}

SCROLLBARINFO ScrollBar(HWND Window, LONG Which) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(GetScrollBarInfo(Window, Which, &info));
  return info;
}

}  // namespace

TEST_F(TEditFixture, TextAndOnChangeFollowTypingAndCode) {
  auto* edit = Make<TEdit>(121, 21);
  int changes = 0;
  edit->SetOnChange([&](TObject*) { ++changes; });
  edit->SetText("Edit1");
  EXPECT_EQ(WindowTextW(edit->Handle()), L"Edit1");
  EXPECT_EQ(changes, 1);
  SendMessageW(edit->Handle(), EM_SETSEL, 5, 5);
  TypeText(edit->Handle(), L"!?");
  EXPECT_EQ(edit->Text(), "Edit1!?");
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(edit->Modified());
  edit->SetSelStart(1);
  edit->SetSelLength(3);
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelLength(), 3);
}

TEST_F(TEditFixture, ReadOnlyAndMaxLengthLimitTyping) {
  auto* edit = Make<TEdit>(121, 21);
  edit->SetMaxLength(3);
  TypeText(edit->Handle(), L"abcdef");
  EXPECT_EQ(edit->Text(), "abc");
  edit->SetReadOnly(true);
  EXPECT_TRUE(WindowStyle(edit->Handle()) & ES_READONLY);
  SendMessageW(edit->Handle(), EM_SETSEL, 0, -1);
  TypeText(edit->Handle(), L"x");
  EXPECT_EQ(edit->Text(), "abc");
}

TEST_F(TEditFixture, BorderStyleIsPublishedAsTBorderStyleAndRemakesTheWindow) {
  auto* edit = Make<TEdit>(121, 21);
  auto* memo = Make<TMemo>(200, 100);
  for (TControl* control : {static_cast<TControl*>(edit), static_cast<TControl*>(memo)}) {
    const TPropInfo* info = GetPropInfo(control, "BorderStyle");
    ASSERT_NE(info, nullptr) << control->ClassName();
    EXPECT_EQ(info->PropType().Name(), "TBorderStyle");
    EXPECT_EQ(GetOrdProp(control, "BorderStyle"), 1);
  }
  edit->SetText("kept");
  EXPECT_TRUE(WindowExStyle(edit->Handle()) & WS_EX_CLIENTEDGE);
  SetEnumProp(edit, "BorderStyle", "bsNone");
  EXPECT_FALSE(WindowExStyle(edit->Handle()) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(edit->Text(), "kept");
  EXPECT_TRUE(HasPublishedProperty(memo, "Lines"));
  EXPECT_TRUE(HasPublishedProperty(memo, "WordWrap"));
  EXPECT_TRUE(HasPublishedProperty(memo, "ScrollBars"));
}

TEST_F(TEditFixture, MemoLinesAndWindowTextStayInStep) {
  auto* memo = Make<TMemo>(200, 100);
  memo->Lines()->Add("one");
  memo->Lines()->Add("two");
  EXPECT_EQ(WindowTextW(memo->Handle()), L"one\r\ntwo");
  EXPECT_EQ(SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0), 2);
  memo->Lines()->Insert(1, "between");
  memo->Lines()->Delete(0);
  EXPECT_EQ(WindowTextW(memo->Handle()), L"between\r\ntwo");
  // Typed lines show up in Lines.
  SendMessageW(memo->Handle(), EM_SETSEL, 0, -1);
  TypeText(memo->Handle(), L"a\rb\rc");
  ASSERT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Lines()->Strings(2), "c");
  // A batch of changes reaches the window once, at the end.
  TSubclassProbe probe(*memo);
  memo->Lines()->BeginUpdate();
  for (int i = 0; i < 20; ++i) memo->Lines()->Add("line " + std::to_string(i));
  EXPECT_EQ(probe.Count(WM_SETTEXT), 0);
  memo->Lines()->EndUpdate();
  EXPECT_EQ(probe.Count(WM_SETTEXT), 1);
  EXPECT_EQ(SendMessageW(memo->Handle(), EM_GETLINECOUNT, 0, 0), 23);
  // The lines live on while the window is made again.
  const HWND old = memo->Handle();
  memo->SetWordWrap(false);
  EXPECT_NE(memo->Handle(), old);
  EXPECT_TRUE(WindowStyle(memo->Handle()) & ES_AUTOHSCROLL);
  EXPECT_EQ(memo->Lines()->Count(), 23);
}

TEST_F(TEditFixture, MemoScrollBarsAreTheWindowsOwn) {
  struct TCase {
    TScrollStyle Bars;
    bool WordWrap;
    bool Vertical, Horizontal;
  };
  const TCase cases[] = {
      {ssVertical, true, true, false},
      {ssNone, true, false, false},
      {ssBoth, false, true, true},
      {ssBoth, true, true, false},  // wrapped text never scrolls sideways
  };
  for (const TCase& c : cases) {
    auto* memo = Make<TMemo>(200, 80);
    memo->SetScrollBars(c.Bars);
    memo->SetWordWrap(c.WordWrap);
    memo->Lines()->BeginUpdate();
    for (int i = 0; i < 40; ++i) memo->Lines()->Add("A long line of text that does not fit across the memo " + std::to_string(i));
    memo->Lines()->EndUpdate();
    PumpMessages();
    const SCROLLBARINFO vertical = ScrollBar(memo->Handle(), OBJID_VSCROLL);
    const SCROLLBARINFO horizontal = ScrollBar(memo->Handle(), OBJID_HSCROLL);
    EXPECT_EQ((vertical.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0, c.Vertical) << c.Bars << " " << c.WordWrap;
    EXPECT_EQ((horizontal.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0, c.Horizontal) << c.Bars << " " << c.WordWrap;
    if (c.Vertical) {
      EXPECT_GT(vertical.rcScrollBar.bottom - vertical.rcScrollBar.top, 40);
      EXPECT_GT(vertical.xyThumbBottom, vertical.xyThumbTop);
    }
    delete memo;
  }
}
