// Panels: bevel and border pixels, the caption, and children laid out inside the frame.
#include <gtest/gtest.h>

#include "ExtTestSupport.h"
#include "Panel.h"

namespace {
struct TPanelFixture {
  std::unique_ptr<TForm> Form = MakeHostForm(300, 200);
  TPanel* Panel;
  TPanelFixture() {
    Panel = new TPanel(Form.get());
    Panel->SetBounds(10, 10, 120, 60);
    Panel->SetColor(clRed);
    Panel->SetParent(Form.get());
    PumpMessages(10);
  }
};
}  // namespace

TEST(Panel, BevelsAreLightAtTheTopLeftWhenRaisedAndDarkWhenLowered) {
  struct Case {
    const char* Name;
    TBevelCut Outer;
    TBevelCut Inner;
    int BevelWidth;
    int BorderWidth;
    TColor TopLeft, BottomRight;        // the outermost ring
    POINT InnerRing;                    // a pixel of the inner bevel's top-left side
    TColor InnerColor;
    TColor Inside;                      // the panel's face
  };
  const Case cases[] = {
      {"raised", bvRaised, bvNone, 1, 0, clBtnHighlight, clBtnShadow, {1, 1}, clRed, clRed},
      {"lowered", bvLowered, bvNone, 1, 0, clBtnShadow, clBtnHighlight, {1, 1}, clRed, clRed},
      {"two pixels wide", bvRaised, bvNone, 2, 0, clBtnHighlight, clBtnShadow, {1, 1}, clBtnHighlight, clRed},
      {"raised round a lowered inner bevel, border between", bvRaised, bvLowered, 1, 3, clBtnHighlight, clBtnShadow,
       {4, 4}, clBtnShadow, clRed},
      {"no bevel", bvNone, bvNone, 1, 0, clRed, clRed, {1, 1}, clRed, clRed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TPanelFixture f;
    f.Panel->SetBevelOuter(c.Outer);
    f.Panel->SetBevelInner(c.Inner);
    f.Panel->SetBevelWidth(c.BevelWidth);
    f.Panel->SetBorderWidth(c.BorderWidth);
    TPanel& p = *f.Panel;
    EXPECT_EQ(PixelAt(p, 0, 0), Rgb(c.TopLeft));
    EXPECT_EQ(PixelAt(p, 60, 0), Rgb(c.TopLeft));
    EXPECT_EQ(PixelAt(p, 0, 30), Rgb(c.TopLeft));
    EXPECT_EQ(PixelAt(p, 119, 59), Rgb(c.BottomRight));
    EXPECT_EQ(PixelAt(p, 60, 59), Rgb(c.BottomRight));
    EXPECT_EQ(PixelAt(p, c.InnerRing.x, c.InnerRing.y + 20), Rgb(c.InnerColor));
    EXPECT_EQ(PixelAt(p, 10, 10), Rgb(c.Inside));
  }
}

TEST(Panel, BevelEdgesLimitTheBevelToTheirSides) {
  TPanelFixture f;
  f.Panel->SetBevelEdges(TBevelEdges{beTop, beBottom});
  EXPECT_EQ(PixelAt(*f.Panel, 60, 0), Rgb(clBtnHighlight));
  EXPECT_EQ(PixelAt(*f.Panel, 0, 30), Rgb(clRed));
  EXPECT_EQ(PixelAt(*f.Panel, 119, 30), Rgb(clRed));
  EXPECT_EQ(f.Panel->InnerRect(), (TRect{0, 1, 120, 59}));
}

TEST(Panel, ChildrenAreLaidOutInsideTheBevelsAndTheBorder) {
  TPanelFixture f;
  f.Panel->SetBevelInner(bvLowered);
  f.Panel->SetBevelWidth(2);
  f.Panel->SetBorderWidth(3);
  auto* child = new TPanel(f.Form.get());
  child->SetAlign(alClient);
  child->SetParent(f.Panel);
  EXPECT_EQ(child->BoundsRect(), (TRect{7, 7, 113, 53}));
  f.Panel->SetBorderWidth(0);
  EXPECT_EQ(child->BoundsRect(), (TRect{4, 4, 116, 56}));
}

TEST(Panel, CaptionIsDrawnWhereTheAlignmentPutsIt) {
  // The caption's ink lies in the middle third for taCenter and in the left third for taLeftJustify.
  struct Case {
    TAlignment Alignment;
    int FirstThird;  // 0, 1 or 2: where the dark pixels are
  };
  for (const Case& c : {Case{taLeftJustify, 0}, Case{taCenter, 1}, Case{taRightJustify, 2}}) {
    SCOPED_TRACE(static_cast<int>(c.Alignment));
    TPanelFixture f;
    f.Panel->SetColor(clWhite);
    f.Panel->SetCaption("Wm");
    f.Panel->SetAlignment(c.Alignment);
    const auto shot = CaptureClient(*f.Panel);
    const TColor ink = Rgb(f.Panel->Font()->Color());
    const int inkInThird[3] = {CountPixels(*shot, TRect{2, 2, 40, 58}, ink), CountPixels(*shot, TRect{40, 2, 80, 58}, ink),
                               CountPixels(*shot, TRect{80, 2, 118, 58}, ink)};
    for (int third = 0; third < 3; ++third) EXPECT_EQ(inkInThird[third] > 0, third == c.FirstThird) << third;
  }
}

TEST(Panel, BorderStyleSingleAddsTheClientEdge) {
  TPanelFixture f;
  EXPECT_FALSE(GetWindowLongPtrW(f.Panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  f.Panel->SetBorderStyle(TBorderStyle::bsSingle);
  EXPECT_TRUE(GetWindowLongPtrW(f.Panel->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(f.Panel->ClientWidth(), 116);
}
