#include <gtest/gtest.h>

#include "PixelFixtures.h"
#include "TestWindow.h"
#include "WindowFrame.h"

namespace {
// The ring of pixels at distance d from the edge of a w x h picture.
bool OnRing(int x, int y, int w, int h, int d) {
  bool withinX = x >= d && x < w - d, withinY = y >= d && y < h - d;
  return withinX && withinY && (x == d || y == d || x == w - 1 - d || y == h - 1 - d);
}
}  // namespace

TEST(DrawWindowFrame, OutlinesTheWholeWindowAndOptionallyTheRingInside) {
  struct Case {
    const char* name;
    TColor outer, inner;
    bool drawInner;
  };
  const Case cases[] = {
      {"two plain colours", clRed, clBlue, true},
      {"outer only", clLime, clBlue, false},
      {"system colours", clBtnShadow, clHighlight, true},
  };
  for (const Case& c : cases) {
    TestWindow window(60, 60, 180, 120);
    auto before = window.Capture();
    DrawWindowFrame(window.Handle(), c.outer, c.inner, c.drawInner);
    auto after = window.Capture();
    const int w = after->Width(), h = after->Height();
    ASSERT_EQ(w, 180);
    ASSERT_EQ(h, 120);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        TColor expected = before->Pixel(x, y);
        if (OnRing(x, y, w, h, 0)) expected = ColorToRGB(c.outer);
        else if (c.drawInner && OnRing(x, y, w, h, 1)) expected = ColorToRGB(c.inner);
        ASSERT_EQ(fixtures::Describe(after->Pixel(x, y)), fixtures::Describe(expected))
            << c.name << " at " << x << "," << y;
      }
  }
}

TEST(DrawWindowFrame, AWindowThatIsGoneIsIgnored) {
  HWND gone;
  {
    TestWindow window(0, 0, 50, 50);
    gone = window.Handle();
  }
  DrawWindowFrame(gone, clRed, clBlue, true);
  DrawWindowFrame(nullptr, clRed, clBlue, true);
}
