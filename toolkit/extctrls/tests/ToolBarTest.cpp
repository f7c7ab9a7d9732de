// The tool bar driven by real mouse messages: button order and layout, presses and clicks, the
// mouse capture, hot and pushed states as a subclass sees them, check groups, menu items.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExtTestSupport.h"
#include "MenuItem.h"
#include "PropertyApi.h"
#include "Reader.h"
#include "TImageList.h"
#include "TextMeasure.h"
#include "ToolBar.h"
#include "ToolButton.h"
#include "Writer.h"

namespace {

// A bar that records what a subclass can see: every button paint with its state, and the hooks.
class TRecordingBar : public TToolBar {
public:
  using TToolBar::TToolBar;
  struct TPaint {
    TToolButton* Button;
    TToolButtonDrawState State;
  };
  std::vector<TPaint> Paints;
  std::vector<std::string> Events;

  // The state of Button's latest paint (after Update), or an empty set with Seen false.
  TToolButtonDrawState LastState(TToolButton* Button, bool& Seen) const {
    Seen = false;
    TToolButtonDrawState state;
    for (const TPaint& p : Paints)
      if (p.Button == Button) {
        state = p.State;
        Seen = true;
      }
    return state;
  }

protected:
  void PaintButton(TCanvas& Canvas, TToolButton& Button, TToolButtonDrawState State) override {
    Paints.push_back(TPaint{&Button, State});
    TToolBar::PaintButton(Canvas, Button, State);
  }
  void ButtonPressed(TToolButton* Button) override {
    Events.push_back("pressed " + Button->Caption());
    if (GrabMouseOnPress) {
      // As a popup menu does while it runs.
      SetCapture(Parent()->Handle());
      ReleaseCapture();
    }
  }

public:
  bool GrabMouseOnPress = false;

protected:
  void MouseEnterButton(TToolButton* Button) override { Events.push_back("enter " + Button->Caption()); }
  void MouseLeaveButton(TToolButton* Button) override { Events.push_back("leave " + Button->Caption()); }
};

// A form with a bar of buttons in display order A, B, C... each counting its clicks.
struct TBarFixture {
  std::unique_ptr<TForm> Form = MakeHostForm(400, 200);
  TRecordingBar* Bar = nullptr;
  std::vector<TToolButton*> Buttons;
  std::vector<int> Clicks;

  explicit TBarFixture(int Count = 3, TToolButtonStyle Style = tbsButton) {
    Bar = new TRecordingBar(Form.get());
    Bar->SetParent(Form.get());
    Clicks.assign(static_cast<size_t>(Count), 0);
    for (int i = 0; i < Count; ++i) Add(std::string(1, static_cast<char>('A' + i)), Style);
    PumpMessages(10);
  }
  TToolButton* Add(const std::string& Caption, TToolButtonStyle Style = tbsButton) {
    auto* button = new TToolButton(Form.get());
    button->SetCaption(Caption);
    button->SetStyle(Style);
    button->SetLeft(10000);  // after the others
    button->SetParent(Bar);
    const size_t index = Buttons.size();
    button->SetOnClick([this, index](TObject*) { ++Clicks[index]; });
    Buttons.push_back(button);
    return button;
  }
  POINT At(int Index) const { return CentreOf(*Bar, *Buttons[static_cast<size_t>(Index)]); }
  TToolButtonDrawState StateOf(int Index) {
    Bar->Paints.clear();
    Buttons[static_cast<size_t>(Index)]->Invalidate();
    Bar->Update();
    bool seen = false;
    TToolButtonDrawState state = Bar->LastState(Buttons[static_cast<size_t>(Index)], seen);
    EXPECT_TRUE(seen) << "button " << Index << " was not painted";
    return state;
  }
};

}  // namespace

TEST(ToolBar, NewButtonsGoBeforeTheFirstButtonWithALeftAsLarge) {
  auto form = MakeHostForm();
  auto* bar = new TToolBar(form.get());
  bar->SetParent(form.get());
  // Made with Left 0, as a menu bar makes its buttons from the last item to the first.
  std::vector<TToolButton*> made;
  for (const char* caption : {"Help", "Edit", "File"}) {
    auto* button = new TToolButton(form.get());
    button->SetCaption(caption);
    button->SetParent(bar);
    made.push_back(button);
  }
  auto* last = new TToolButton(form.get());
  last->SetLeft(5000);
  last->SetParent(bar);

  ASSERT_EQ(bar->ButtonCount(), 4);
  EXPECT_EQ(bar->Buttons(0), made[0]);  // the list keeps the order of joining
  EXPECT_EQ(made[0]->Index(), 0);
  EXPECT_EQ(last->Index(), 3);
  const std::vector<TToolButton*> shown{made[2], made[1], made[0], last};
  EXPECT_EQ(bar->DisplayOrder(), shown);
  EXPECT_LT(made[2]->Left(), made[1]->Left());
  EXPECT_LT(made[0]->Left(), last->Left());
  EXPECT_EQ(bar->ButtonAtPos(TPoint{made[2]->Left() + 1, made[2]->Top() + 1}), made[2]);
  EXPECT_EQ(bar->ButtonAtPos(TPoint{last->Left() + last->Width() + 5, 3}), nullptr);
  EXPECT_THROW(bar->Buttons(4), std::exception);
  delete made[1];
  EXPECT_EQ(bar->ButtonCount(), 3);
  EXPECT_EQ(made[0]->Index(), 0);
  EXPECT_EQ(last->Index(), 2);
}

TEST(ToolBar, LaysButtonsOutLeftToRightAndWrapsRows) {
  struct Case {
    const char* Name;
    int BarWidth;
    bool Wrapable;
    bool WrapAfterSecond;
    std::vector<POINT> Expected;  // relative to the button area; widths 30, 30, 8 (gap), 30
  };
  const Case cases[] = {
      {"one row", 300, true, false, {{5, 0}, {35, 0}, {65, 0}, {73, 0}}},
      {"wraps when narrow", 80, true, false, {{5, 0}, {35, 0}, {65, 0}, {5, 22}}},
      {"no wrapping", 80, false, false, {{5, 0}, {35, 0}, {65, 0}, {73, 0}}},
      {"Wrap ends a row", 300, true, true, {{5, 0}, {35, 0}, {5, 22}, {13, 22}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TBarFixture f(2);
    f.Add("gap", tbsSeparator);
    f.Add("D");
    f.Bar->SetAlign(alNone);
    f.Bar->SetButtonWidth(30);
    f.Bar->SetIndent(5);
    f.Bar->SetWrapable(c.Wrapable);
    f.Bar->SetEdgeBorders(TEdgeBorders{ebTop, ebBottom});
    f.Buttons[1]->SetWrap(c.WrapAfterSecond);
    f.Bar->SetAutoSize(true);
    f.Bar->SetWidth(c.BarWidth);
    const TRect area = f.Bar->ButtonArea();
    EXPECT_EQ(area.Top, 2);
    for (size_t i = 0; i < c.Expected.size(); ++i) {
      EXPECT_EQ(f.Buttons[i]->Left() - area.Left, c.Expected[i].x) << "button " << i;
      EXPECT_EQ(f.Buttons[i]->Top() - area.Top, c.Expected[i].y) << "button " << i;
      EXPECT_EQ(f.Buttons[i]->Height(), 22);
    }
    EXPECT_EQ(f.Buttons[2]->Width(), 8);
    const int rows = c.Expected.back().y / 22 + 1;
    EXPECT_EQ(f.Bar->Height(), rows * 22 + 4);  // AutoSize: the rows and the two etched edges
  }
}

TEST(ToolBar, AutoSizeButtonsFitTheirContent) {
  TBarFixture f(3);
  TImageList images(16, 16);
  images.Add(TBitmap(16, 16));
  f.Bar->SetImages(&images);
  f.Bar->SetList(true);
  f.Bar->SetShowCaptions(true);
  f.Buttons[0]->SetCaption("&File");
  f.Buttons[0]->SetAutoSize(true);
  f.Buttons[1]->SetCaption("Window");
  f.Buttons[1]->SetImageIndex(0);
  f.Buttons[1]->SetAutoSize(true);
  const int file = MeasureText(*f.Bar->Font(), "&File", DT_SINGLELINE).cx;
  const int window = MeasureText(*f.Bar->Font(), "Window", DT_SINGLELINE).cx;
  EXPECT_EQ(f.Buttons[0]->Width(), file + 8);
  EXPECT_EQ(f.Buttons[1]->Width(), window + 8 + 18);  // a 16-pixel image and its gap
  EXPECT_EQ(f.Buttons[1]->Left(), f.Buttons[0]->Left() + f.Buttons[0]->Width());
  EXPECT_EQ(f.Buttons[2]->Width(), 23);  // not AutoSize: the bar's ButtonWidth
  f.Bar->SetImages(nullptr);
}

TEST(ToolBar, ClickNeedsPressAndReleaseOverTheSameButton) {
  struct Case {
    const char* Name;
    int Press;
    int Release;  // -1: outside every button
    bool DisableFirst;
    std::vector<int> Expected;
  };
  const Case cases[] = {
      {"same button", 1, 1, false, {0, 1, 0}},
      {"released over another", 0, 2, false, {0, 0, 0}},
      {"released beside the buttons", 0, -1, false, {0, 0, 0}},
      {"disabled button", 0, 0, true, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TBarFixture f;
    f.Buttons[0]->SetEnabled(!c.DisableFirst);
    const POINT release = c.Release >= 0 ? f.At(c.Release) : POINT{390, 5};
    DragClick(*f.Bar, f.At(c.Press), release);
    EXPECT_EQ(f.Clicks, c.Expected);
    EXPECT_EQ(f.Bar->PushedButton(), nullptr);
  }
  // Leaving the button and coming back before the release still clicks.
  TBarFixture f;
  SendMouse(*f.Bar, WM_LBUTTONDOWN, f.At(0).x, f.At(0).y, MK_LBUTTON);
  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(2).x, f.At(2).y, MK_LBUTTON);
  EXPECT_FALSE(f.Bar->ButtonDrawState(*f.Buttons[0]).Contains(tdsPushed));
  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(0).x, f.At(0).y, MK_LBUTTON);
  EXPECT_TRUE(f.Bar->ButtonDrawState(*f.Buttons[0]).Contains(tdsPushed));
  SendMouse(*f.Bar, WM_LBUTTONUP, f.At(0).x, f.At(0).y);
  EXPECT_EQ(f.Clicks, (std::vector<int>{1, 0, 0}));
}

TEST(ToolBar, HoldsTheMouseCaptureWhileAButtonIsPressed) {
  TBarFixture f;
  SendMouse(*f.Bar, WM_LBUTTONDOWN, f.At(1).x, f.At(1).y, MK_LBUTTON);
  EXPECT_EQ(GetCapture(), f.Bar->Handle());
  EXPECT_EQ(f.Bar->PushedButton(), f.Buttons[1]);
  // Far outside the bar the captured mouse still reaches it.
  SendMouse(*f.Bar, WM_MOUSEMOVE, 600, 300, MK_LBUTTON);
  EXPECT_EQ(f.Bar->HotButton(), nullptr);
  SendMouse(*f.Bar, WM_LBUTTONUP, 600, 300);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(f.Clicks, (std::vector<int>{0, 0, 0}));
}

TEST(ToolBar, ALostReleaseEndsThePressWithoutAClick) {
  TBarFixture f;
  SendMouse(*f.Bar, WM_LBUTTONDOWN, f.At(0).x, f.At(0).y, MK_LBUTTON);
  // The release went elsewhere (a menu took the mouse): the next move comes without the button.
  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(0).x, f.At(0).y, 0);
  EXPECT_EQ(f.Bar->PushedButton(), nullptr);
  EXPECT_NE(GetCapture(), f.Bar->Handle());
  EXPECT_EQ(f.Bar->HotButton(), f.Buttons[0]);
  // The next press goes to the button under the mouse, not to the one pressed before.
  ClickAt(*f.Bar, f.At(2).x, f.At(2).y);
  EXPECT_EQ(f.Clicks, (std::vector<int>{0, 0, 1}));

  // Another window taking the capture ends a press too.
  SendMouse(*f.Bar, WM_LBUTTONDOWN, f.At(1).x, f.At(1).y, MK_LBUTTON);
  SetCapture(f.Form->Handle());
  ReleaseCapture();
  EXPECT_EQ(f.Bar->PushedButton(), nullptr);
  SendMouse(*f.Bar, WM_LBUTTONUP, f.At(1).x, f.At(1).y);
  EXPECT_EQ(f.Clicks, (std::vector<int>{0, 0, 1}));
}

TEST(ToolBar, HotButtonFollowsTheMouse) {
  TBarFixture f;
  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(0).x, f.At(0).y);
  EXPECT_EQ(f.Bar->HotButton(), f.Buttons[0]);
  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(2).x, f.At(2).y);
  EXPECT_EQ(f.Bar->HotButton(), f.Buttons[2]);
  SendMouse(*f.Bar, WM_MOUSEMOVE, 390, 5);
  EXPECT_EQ(f.Bar->HotButton(), nullptr);
  // A disabled button is never hot.
  f.Buttons[1]->SetEnabled(false);
  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(1).x, f.At(1).y);
  EXPECT_EQ(f.Bar->HotButton(), nullptr);
  // During a press only the held button can be hot.
  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(0).x, f.At(0).y);
  SendMouse(*f.Bar, WM_LBUTTONDOWN, f.At(0).x, f.At(0).y, MK_LBUTTON);
  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(2).x, f.At(2).y, MK_LBUTTON);
  EXPECT_EQ(f.Bar->HotButton(), nullptr);
  SendMouse(*f.Bar, WM_LBUTTONUP, f.At(2).x, f.At(2).y);
  EXPECT_EQ(f.Bar->HotButton(), f.Buttons[2]);
}

TEST(ToolBar, ASubclassSeesHotPushedDownAndDisabledStatesAndItsHooks) {
  TBarFixture f(3, tbsCheck);
  f.Buttons[2]->SetEnabled(false);
  f.Buttons[1]->SetDown(true);
  EXPECT_TRUE(f.StateOf(0).Empty());
  EXPECT_EQ(f.StateOf(1), (TToolButtonDrawState{tdsDown}));
  EXPECT_EQ(f.StateOf(2), (TToolButtonDrawState{tdsDisabled}));

  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(0).x, f.At(0).y);
  EXPECT_EQ(f.StateOf(0), (TToolButtonDrawState{tdsHot}));
  SendMouse(*f.Bar, WM_LBUTTONDOWN, f.At(0).x, f.At(0).y, MK_LBUTTON);
  EXPECT_EQ(f.StateOf(0), (TToolButtonDrawState{tdsHot, tdsPushed}));
  SendMouse(*f.Bar, WM_LBUTTONUP, f.At(0).x, f.At(0).y);
  EXPECT_EQ(f.StateOf(0), (TToolButtonDrawState{tdsHot, tdsDown}));  // a check button stays down
  f.Buttons[0]->SetMarked(true);
  SendMouse(*f.Bar, WM_MOUSEMOVE, 390, 5);
  EXPECT_EQ(f.StateOf(0), (TToolButtonDrawState{tdsDown, tdsMarked}));

  const std::vector<std::string> events{"enter A", "pressed A", "leave A"};
  EXPECT_EQ(f.Bar->Events, events);
}

TEST(ToolBar, APressHookThatTakesTheMouseEndsThePress) {
  TBarFixture f;
  f.Bar->GrabMouseOnPress = true;
  ClickAt(*f.Bar, f.At(0).x, f.At(0).y);
  EXPECT_EQ(f.Bar->PushedButton(), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  f.Bar->GrabMouseOnPress = false;
  ClickAt(*f.Bar, f.At(1).x, f.At(1).y);
  EXPECT_EQ(f.Clicks, (std::vector<int>{0, 1, 0}));
}

TEST(ToolBar, GroupedCheckButtonsExcludeEachOther) {
  TBarFixture f(4, tbsCheck);
  for (int i = 0; i < 3; ++i) f.Buttons[static_cast<size_t>(i)]->SetGrouped(true);
  auto down = [&f] {
    std::vector<bool> result;
    for (TToolButton* b : f.Buttons) result.push_back(b->Down());
    return result;
  };
  ClickAt(*f.Bar, f.At(0).x, f.At(0).y);
  ClickAt(*f.Bar, f.At(3).x, f.At(3).y);  // not grouped: toggles on its own
  EXPECT_EQ(down(), (std::vector<bool>{true, false, false, true}));
  ClickAt(*f.Bar, f.At(2).x, f.At(2).y);
  EXPECT_EQ(down(), (std::vector<bool>{false, false, true, true}));
  ClickAt(*f.Bar, f.At(2).x, f.At(2).y);  // the down one stays down without AllowAllUp
  ClickAt(*f.Bar, f.At(3).x, f.At(3).y);
  EXPECT_EQ(down(), (std::vector<bool>{false, false, true, false}));
  f.Buttons[2]->SetAllowAllUp(true);
  ClickAt(*f.Bar, f.At(2).x, f.At(2).y);
  EXPECT_EQ(down(), (std::vector<bool>{false, false, false, false}));
  f.Buttons[1]->SetDown(true);  // by program: the group follows too
  f.Buttons[0]->SetDown(true);
  EXPECT_EQ(down(), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(f.Clicks, (std::vector<int>{1, 0, 3, 2}));
}

TEST(ToolBar, AButtonOfAMenuItemShowsItAndClicksIt) {
  TBarFixture f(1);
  TObject* sender = nullptr;
  int clicked = 0;
  auto item = std::make_unique<TMenuItem>(nullptr);
  item->SetCaption("&Online");
  item->SetHint("Order it");
  item->SetImageIndex(2);
  item->SetOnClick([&](TObject* Sender) {
    sender = Sender;
    ++clicked;
  });
  TMenuItem disabled(nullptr);
  disabled.SetCaption("&Help");
  disabled.SetEnabled(false);
  f.Buttons[0]->SetOnClick(nullptr);
  f.Buttons[0]->SetMenuItem(&disabled);
  EXPECT_FALSE(f.Buttons[0]->Enabled());
  EXPECT_EQ(f.Buttons[0]->Caption(), "&Help");
  TToolButton* button = f.Add("x");
  button->SetOnClick(nullptr);
  button->SetMenuItem(item.get());
  EXPECT_EQ(button->Caption(), "&Online");
  EXPECT_TRUE(button->Enabled());
  EXPECT_EQ(button->Hint(), "Order it");
  EXPECT_EQ(button->ImageIndex(), 2);
  EXPECT_EQ(GetObjectProp(button, "MenuItem"), item.get());
  ClickAt(*f.Bar, f.At(1).x, f.At(1).y);
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(sender, item.get());
  // An OnClick of the button's own wins over the item.
  int own = 0;
  button->SetOnClick([&own](TObject*) { ++own; });
  f.Bar->ClickButton(button);
  EXPECT_EQ(own, 1);
  EXPECT_EQ(clicked, 1);
  item.reset();
  EXPECT_EQ(button->MenuItem(), nullptr);
  EXPECT_THROW(SetObjectProp(button, "MenuItem", f.Bar), std::exception);
  f.Buttons[0]->SetMenuItem(nullptr);
}

TEST(ToolBar, KeepsWorkingUnderAThirdPartyWindowProcedure) {
  TBarFixture f;
  TThirdPartyHook hook(*f.Bar);
  DragClick(*f.Bar, f.At(1), f.At(1));
  EXPECT_EQ(f.Clicks, (std::vector<int>{0, 1, 0}));
  EXPECT_EQ(hook.Count(WM_LBUTTONDOWN), 1);
  // A change that makes the window again keeps the procedure and the buttons working.
  f.Bar->SetBiDiMode(bdRightToLeft);
  PumpMessages(10);
  EXPECT_GT(f.Buttons[0]->Left(), f.Buttons[1]->Left());  // laid out from the right
  hook.Clear();
  DragClick(*f.Bar, f.At(0), f.At(0));
  EXPECT_EQ(f.Clicks, (std::vector<int>{1, 1, 0}));
  EXPECT_EQ(hook.Count(WM_LBUTTONUP), 1);
}

TEST(ToolBar, FlatButtonsShowAFrameOnlyWhenHotAndTheBarItsEdges) {
  TBarFixture f;
  f.Bar->SetColor(clRed);
  f.Bar->SetFlat(true);
  const TToolButton& b = *f.Buttons[0];
  EXPECT_EQ(PixelAt(*f.Bar, b.Left(), b.Top()), Rgb(clRed));
  SendMouse(*f.Bar, WM_MOUSEMOVE, f.At(0).x, f.At(0).y);
  EXPECT_EQ(PixelAt(*f.Bar, b.Left(), b.Top()), Rgb(clBtnHighlight));
  EXPECT_EQ(PixelAt(*f.Bar, b.Left() + b.Width() - 1, b.Top() + b.Height() - 1), Rgb(clBtnShadow));
  f.Bar->SetFlat(false);
  SendMouse(*f.Bar, WM_MOUSEMOVE, 390, 5);
  EXPECT_EQ(PixelAt(*f.Bar, f.Buttons[1]->Left(), f.Buttons[1]->Top()), Rgb(clBtnHighlight));
  // The default edge: an etched line along the top.
  EXPECT_EQ(PixelAt(*f.Bar, 200, 0), Rgb(clBtnShadow));
  EXPECT_EQ(PixelAt(*f.Bar, 200, 1), Rgb(clBtnHighlight));
  f.Bar->SetEdgeBorders(TEdgeBorders{});
  EXPECT_EQ(PixelAt(*f.Bar, 200, 0), Rgb(clRed));
  // A transparent bar shows its parent under the buttons.
  f.Form->SetColor(clLime);
  f.Bar->SetTransparent(true);
  EXPECT_EQ(PixelAt(*f.Bar, 200, 10), Rgb(clLime));
  EXPECT_EQ(PixelAt(*f.Bar, f.Buttons[1]->Left(), f.Buttons[1]->Top()), Rgb(clBtnHighlight));
}

TEST(ToolBar, StoredPlacesGiveTheOrderOnScreenWhenRead) {
  // Buttons made A, B, C in that order with Left 0 would show C, B, A; a form resource written
  // from a bar showing A, B, C (A at Left 0, which is not stored) brings that order back.
  auto build = [](TForm& Form, bool Append) {
    auto* bar = new TToolBar(&Form);
    bar->SetName("Bar1");
    bar->SetParent(&Form);
    for (const char* name : {"A", "B", "C"}) {
      auto* button = new TToolButton(&Form);
      button->SetName(name);
      if (Append) button->SetLeft(10000);
      button->SetParent(bar);
    }
    return bar;
  };
  auto source = MakeHostForm();
  TToolBar* shown = build(*source, true);
  PumpMessages(10);
  ASSERT_EQ(shown->DisplayOrder()[0]->Name(), "A");
  const std::vector<uint8_t> resource = WriteComponentResource(*source);

  TForm target(nullptr);
  TToolBar* read = build(target, false);
  ReadComponentResource(target, resource);
  target.Show();
  PumpMessages(10);
  std::vector<std::string> names;
  for (TToolButton* b : read->DisplayOrder()) names.push_back(b->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_LT(read->DisplayOrder()[0]->Left(), read->DisplayOrder()[1]->Left());
}
