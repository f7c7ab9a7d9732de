// Labels: automatic size, word wrap, transparency over the parent, accelerators and layout.
#include <gtest/gtest.h>

#include "ExtTestSupport.h"
#include "Label.h"
#include "Panel.h"
#include "StringGrid.h"
#include "TextMeasure.h"

namespace {
struct TLabelFixture {
  std::unique_ptr<TForm> Form = MakeHostForm(300, 200);
  TPanel* Panel;
  TLabel* Label;
  TLabelFixture() {
    Panel = new TPanel(Form.get());
    Panel->SetBounds(0, 0, 300, 200);
    Panel->SetBevelOuter(bvNone);
    Panel->SetColor(clRed);
    Panel->SetParent(Form.get());
    Label = new TLabel(Form.get());
    Label->SetBounds(10, 10, 65, 17);
    Label->SetParent(Panel);
    PumpMessages(10);
  }
};
}  // namespace

TEST(Label, AutoSizeFitsTheTextAndWordWrapGrowsTheHeight) {
  TLabelFixture f;
  TLabel& label = *f.Label;
  label.SetCaption("Hello, World");
  const TSize line = MeasureText(*label.Font(), "Hello, World", DT_EXPANDTABS);
  EXPECT_EQ(label.Width(), line.cx);
  EXPECT_EQ(label.Height(), line.cy);

  label.SetWidth(40);
  label.SetCaption("one two three four five six");
  EXPECT_GT(label.Width(), 40);  // one line again
  label.SetWidth(40);
  label.SetWordWrap(true);
  EXPECT_EQ(label.Width(), 40);
  EXPECT_GE(label.Height(), 3 * line.cy);
  const TSize wrapped = MeasureText(*label.Font(), "one two three four five six", DT_EXPANDTABS | DT_WORDBREAK, 40);
  EXPECT_EQ(label.Height(), wrapped.cy);

  // A right-justified label keeps its right edge.
  label.SetWordWrap(false);
  label.SetAlignment(taRightJustify);
  const int right = label.Left() + label.Width();
  label.SetCaption("Hi");
  EXPECT_EQ(label.Left() + label.Width(), right);
  EXPECT_LT(label.Width(), 40);

  label.SetAutoSize(false);
  label.SetCaption("a much longer caption than before");
  EXPECT_EQ(label.Left() + label.Width(), right);
}

TEST(Label, ATransparentLabelLeavesTheParentsPixels) {
  TLabelFixture f;
  f.Label->SetAutoSize(false);
  f.Label->SetBounds(10, 10, 80, 30);
  f.Label->SetCaption("x");
  f.Label->SetColor(clBlue);
  EXPECT_EQ(PixelAt(*f.Panel, 80, 35), Rgb(clBlue));
  EXPECT_EQ(PixelAt(*f.Panel, 95, 35), Rgb(clRed));  // beside the label
  f.Label->SetTransparent(true);
  EXPECT_EQ(PixelAt(*f.Panel, 80, 35), Rgb(clRed));
  const auto shot = CaptureClient(*f.Panel);
  EXPECT_GT(CountPixels(*shot, TRect{10, 10, 90, 40}, Rgb(f.Label->Font()->Color())), 0);  // the text is still there
  // A label following its parent's colour changes with it.
  f.Label->SetTransparent(false);
  f.Label->SetParentColor(true);
  f.Panel->SetColor(clLime);
  EXPECT_EQ(f.Label->Color(), clLime);
  EXPECT_EQ(PixelAt(*f.Panel, 80, 35), Rgb(clLime));
}

TEST(Label, AnAmpersandUnderlinesTheNextCharacterInsteadOfShowing) {
  TLabelFixture f;
  TLabel& label = *f.Label;
  label.SetColor(clWhite);
  label.SetCaption("&File");
  EXPECT_EQ(label.AccelChar(), 'F');
  EXPECT_EQ(label.Width(), MeasureText(*label.Font(), "File", 0).cx);
  const TColor ink = Rgb(label.Font()->Color());
  const TRect area{label.Left(), label.Top(), label.Left() + label.Width(), label.Top() + label.Height()};
  const int underlined = CountPixels(*CaptureClient(*f.Panel), area, ink);
  label.SetCaption("File");
  const int plain = CountPixels(*CaptureClient(*f.Panel), area, ink);
  EXPECT_GT(underlined, plain);

  label.SetCaption("Save && &Quit");
  EXPECT_EQ(label.AccelChar(), 'Q');
  label.SetShowAccelChar(false);
  EXPECT_EQ(label.AccelChar(), 0);
  EXPECT_EQ(label.Width(), MeasureText(*label.Font(), "Save && &Quit", DT_NOPREFIX).cx);
}

TEST(Label, LayoutPlacesTheTextAtTheTopMiddleOrBottom) {
  for (TTextLayout layout : {tlTop, tlCenter, tlBottom}) {
    SCOPED_TRACE(static_cast<int>(layout));
    TLabelFixture f;
    f.Label->SetAutoSize(false);
    f.Label->SetBounds(10, 10, 60, 90);
    f.Label->SetColor(clWhite);
    f.Label->SetCaption("Wm");
    f.Label->SetLayout(layout);
    const auto shot = CaptureClient(*f.Panel);
    const TColor ink = Rgb(f.Label->Font()->Color());
    const int thirds[3] = {CountPixels(*shot, TRect{10, 10, 70, 40}, ink), CountPixels(*shot, TRect{10, 40, 70, 70}, ink),
                           CountPixels(*shot, TRect{10, 70, 70, 100}, ink)};
    for (int third = 0; third < 3; ++third) EXPECT_EQ(thirds[third] > 0, third == static_cast<int>(layout)) << third;
  }
}

TEST(Label, AltAndTheAcceleratorFocusTheFocusControl) {
  TLabelFixture f;
  auto* grid = new TStringGrid(f.Form.get());
  grid->SetBounds(100, 100, 150, 80);
  grid->SetParent(f.Panel);
  auto* other = new TStringGrid(f.Form.get());
  other->SetBounds(10, 100, 80, 80);
  other->SetParent(f.Panel);
  f.Label->SetCaption("&Name");
  f.Label->SetFocusControl(grid);
  SetForegroundWindow(f.Form->Handle());
  ASSERT_TRUE(PumpUntil([&] { return f.Form->Active(); }));
  other->SetFocus();

  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_MENU] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(other->Handle(), WM_SYSKEYDOWN, 'X', 1 | (1 << 29));  // not the accelerator
  PumpMessages(20);
  EXPECT_TRUE(other->Focused());
  PostMessageW(other->Handle(), WM_SYSKEYDOWN, 'N', 1 | (1 << 29));
  PumpMessages(20);
  keys[VK_MENU] = 0;
  SetKeyboardState(keys);
  EXPECT_TRUE(grid->Focused());

  // Without Alt the letter is the focused control's.
  other->SetFocus();
  PostMessageW(other->Handle(), WM_KEYDOWN, 'N', 1);
  PumpMessages(20);
  EXPECT_TRUE(other->Focused());

  delete grid;  // the label forgets a focus control that goes
  EXPECT_EQ(f.Label->FocusControl(), nullptr);
}
