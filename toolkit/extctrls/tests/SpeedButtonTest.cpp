// Speed buttons: clicks by real messages, groups, hot and pushed states, glyph strips.
#include <gtest/gtest.h>

#include "ExtTestSupport.h"
#include "Panel.h"
#include "Reader.h"
#include "SpeedButton.h"
#include "Writer.h"

namespace {
struct TSpeedFixture {
  std::unique_ptr<TForm> Form = MakeHostForm(300, 100);
  TPanel* Panel;
  std::vector<TSpeedButton*> Buttons;
  std::vector<int> Clicks;
  explicit TSpeedFixture(int Count = 3) {
    Panel = new TPanel(Form.get());
    Panel->SetBounds(0, 0, 300, 100);
    Panel->SetBevelOuter(bvNone);
    Panel->SetColor(clRed);
    Panel->SetParent(Form.get());
    Clicks.assign(static_cast<size_t>(Count), 0);
    for (int i = 0; i < Count; ++i) {
      auto* b = new TSpeedButton(Form.get());
      b->SetBounds(10 + 30 * i, 10, 25, 25);
      b->SetParent(Panel);
      b->SetOnClick([this, i](TObject*) { ++Clicks[static_cast<size_t>(i)]; });
      Buttons.push_back(b);
    }
    PumpMessages(10);
  }
  POINT At(int Index) const { return CentreOf(*Panel, *Buttons[static_cast<size_t>(Index)]); }
};
}  // namespace

TEST(SpeedButton, ClicksOnlyWhenReleasedOverItself) {
  TSpeedFixture f;
  ClickAt(*f.Panel, f.At(0).x, f.At(0).y);
  EXPECT_EQ(f.Clicks, (std::vector<int>{1, 0, 0}));
  DragClick(*f.Panel, f.At(1), f.At(2));
  EXPECT_EQ(f.Clicks, (std::vector<int>{1, 0, 0}));
  // Pushed only while held with the mouse over it.
  SendMouse(*f.Panel, WM_LBUTTONDOWN, f.At(1).x, f.At(1).y, MK_LBUTTON);
  EXPECT_TRUE(f.Buttons[1]->Pushed());
  EXPECT_EQ(GetCapture(), f.Panel->Handle());
  SendMouse(*f.Panel, WM_MOUSEMOVE, 200, 80, MK_LBUTTON);
  EXPECT_FALSE(f.Buttons[1]->Pushed());
  SendMouse(*f.Panel, WM_MOUSEMOVE, f.At(1).x, f.At(1).y, MK_LBUTTON);
  EXPECT_TRUE(f.Buttons[1]->Pushed());
  SendMouse(*f.Panel, WM_LBUTTONUP, f.At(1).x, f.At(1).y);
  EXPECT_FALSE(f.Buttons[1]->Pushed());
  EXPECT_EQ(f.Clicks, (std::vector<int>{1, 1, 0}));
  f.Buttons[2]->SetEnabled(false);
  ClickAt(*f.Panel, f.At(2).x, f.At(2).y);
  EXPECT_EQ(f.Clicks, (std::vector<int>{1, 1, 0}));
}

TEST(SpeedButton, AGroupHasAtMostOneButtonDown) {
  TSpeedFixture f(4);
  for (int i = 0; i < 3; ++i) f.Buttons[static_cast<size_t>(i)]->SetGroupIndex(1);
  auto down = [&f] {
    std::vector<bool> result;
    for (TSpeedButton* b : f.Buttons) result.push_back(b->Down());
    return result;
  };
  f.Buttons[3]->SetDown(true);  // no group: never down
  ClickAt(*f.Panel, f.At(0).x, f.At(0).y);
  EXPECT_EQ(down(), (std::vector<bool>{true, false, false, false}));
  ClickAt(*f.Panel, f.At(1).x, f.At(1).y);
  EXPECT_EQ(down(), (std::vector<bool>{false, true, false, false}));
  ClickAt(*f.Panel, f.At(1).x, f.At(1).y);  // stays down without AllowAllUp
  f.Buttons[1]->SetDown(false);
  EXPECT_EQ(down(), (std::vector<bool>{false, true, false, false}));
  f.Buttons[0]->SetAllowAllUp(true);  // shared by the group
  EXPECT_TRUE(f.Buttons[2]->AllowAllUp());
  ClickAt(*f.Panel, f.At(1).x, f.At(1).y);
  EXPECT_EQ(down(), (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(f.Clicks, (std::vector<int>{1, 3, 0, 0}));
}

TEST(SpeedButton, FlatButtonsShowAFrameWhileTheMouseIsOver) {
  TSpeedFixture f(1);
  TSpeedButton& b = *f.Buttons[0];
  b.SetFlat(true);
  EXPECT_EQ(PixelAt(*f.Panel, b.Left(), b.Top()), Rgb(clRed));
  SendMouse(*f.Panel, WM_MOUSEMOVE, f.At(0).x, f.At(0).y);
  EXPECT_TRUE(b.MouseInControl());
  EXPECT_EQ(PixelAt(*f.Panel, b.Left(), b.Top()), Rgb(clBtnHighlight));
  EXPECT_EQ(PixelAt(*f.Panel, b.Left() + 24, b.Top() + 24), Rgb(clBtnShadow));
  SendMouse(*f.Panel, WM_LBUTTONDOWN, f.At(0).x, f.At(0).y, MK_LBUTTON);
  EXPECT_EQ(PixelAt(*f.Panel, b.Left(), b.Top()), Rgb(clBtnShadow));
  SendMouse(*f.Panel, WM_LBUTTONUP, f.At(0).x, f.At(0).y);
  SendMouse(*f.Panel, WM_MOUSEMOVE, 250, 80);
  EXPECT_FALSE(b.MouseInControl());
  EXPECT_EQ(PixelAt(*f.Panel, b.Left(), b.Top()), Rgb(clRed));
  b.SetFlat(false);
  EXPECT_EQ(PixelAt(*f.Panel, b.Left(), b.Top()), Rgb(clBtnHighlight));
}

TEST(SpeedButton, ShowsTheGlyphOfItsStateFromTheStrip) {
  TSpeedFixture f(1);
  TSpeedButton& b = *f.Buttons[0];
  // Four 8x8 pictures: up, disabled, pressed, down; the bottom-left pixel of each is the key.
  TBitmap strip(32, 8);
  const TColor faces[4] = {clLime, clGray, clBlue, clYellow};
  for (int x = 0; x < 32; ++x)
    for (int y = 0; y < 8; ++y) strip.SetPixel(x, y, faces[x / 8]);
  for (int i = 0; i < 4; ++i) strip.SetPixel(i * 8, 7, clFuchsia);
  b.SetGlyph(&strip);
  EXPECT_EQ(b.NumGlyphs(), 4);
  b.SetGroupIndex(5);
  b.SetAllowAllUp(true);
  const POINT centre = f.At(0);  // the glyph is centred: no caption
  auto face = [&] { return PixelAt(*f.Panel, centre.x, centre.y); };
  EXPECT_EQ(face(), clLime);
  SendMouse(*f.Panel, WM_LBUTTONDOWN, centre.x, centre.y, MK_LBUTTON);
  EXPECT_EQ(PixelAt(*f.Panel, centre.x + 1, centre.y + 1), clBlue);
  SendMouse(*f.Panel, WM_LBUTTONUP, centre.x, centre.y);
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(PixelAt(*f.Panel, centre.x + 1, centre.y + 1), clYellow);
  b.SetDown(false);
  b.SetEnabled(false);
  EXPECT_EQ(face(), clGray);
  // The key colour is left out: the button face shows there.
  const int glyphLeft = b.Left() + (b.Width() - 8 + 1) / 2;  // centred in the 1-pixel inset
  const int glyphTop = b.Top() + (b.Height() - 8 + 1) / 2;
  EXPECT_EQ(PixelAt(*f.Panel, glyphLeft, glyphTop + 7), Rgb(clBtnFace));
}

TEST(SpeedButton, TheGlyphIsStoredInTheFormResource) {
  TSpeedFixture source(1);
  source.Buttons[0]->SetName("Speed1");
  TBitmap glyph(16, 8);
  glyph.SetPixel(3, 2, clBlue);
  source.Buttons[0]->SetGlyph(&glyph);
  EXPECT_EQ(source.Buttons[0]->NumGlyphs(), 2);
  const std::vector<uint8_t> resource = WriteComponentResource(*source.Form);

  TForm target(nullptr);
  auto* button = new TSpeedButton(&target);
  button->SetName("Speed1");
  ReadComponentResource(target, resource);
  EXPECT_EQ(button->Glyph()->Width(), 16);
  EXPECT_EQ(button->Glyph()->Pixel(3, 2), clBlue);
  EXPECT_EQ(button->NumGlyphs(), 2);
}
