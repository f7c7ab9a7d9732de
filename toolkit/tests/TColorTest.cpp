#include <gtest/gtest.h>

#include "TColor.h"

TEST(ColorToRGB, SystemColoursAreTheFlagPlusTheIndexAndResolveThroughTheSystem) {
  struct Case {
    TColor colour;
    int index;
  };
  const Case cases[] = {
      {clScrollBar, COLOR_SCROLLBAR},         {clActiveCaption, COLOR_ACTIVECAPTION},
      {clInactiveCaption, COLOR_INACTIVECAPTION}, {clMenu, COLOR_MENU},
      {clWindow, COLOR_WINDOW},               {clMenuText, COLOR_MENUTEXT},
      {clWindowText, COLOR_WINDOWTEXT},       {clCaptionText, COLOR_CAPTIONTEXT},
      {clHighlight, COLOR_HIGHLIGHT},         {clHighlightText, COLOR_HIGHLIGHTTEXT},
      {clBtnFace, COLOR_BTNFACE},             {clBtnShadow, COLOR_BTNSHADOW},
      {clGrayText, COLOR_GRAYTEXT},           {clBtnText, COLOR_BTNTEXT},
      {clInactiveCaptionText, COLOR_INACTIVECAPTIONTEXT}, {clBtnHighlight, COLOR_BTNHIGHLIGHT},
      {clMenuBar, COLOR_MENUBAR},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<uint32_t>(c.colour), 0x80000000u | static_cast<uint32_t>(c.index));
    EXPECT_EQ(ColorToRGB(c.colour), static_cast<TColor>(GetSysColor(c.index))) << "index " << c.index;
  }
}

TEST(ColorToRGB, PlainColoursAndNoneStayAsTheyAre) {
  const TColor plain[] = {clBlack, clWhite, clGray, clSilver, clRed, clLime, clBlue, clFuchsia, 0x123456};
  for (TColor c : plain) EXPECT_EQ(ColorToRGB(c), c);
  EXPECT_EQ(clRed, 0x0000FF);
  EXPECT_EQ(clBlue, 0xFF0000);
  EXPECT_EQ(clFuchsia, 0xFF00FF);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  // Nothing to draw with for "not set": GDI gets plain white, never a palette index.
  EXPECT_EQ(ToColorRef(clNone), RGB(255, 255, 255));
  EXPECT_EQ(ToColorRef(clBtnFace), GetSysColor(COLOR_BTNFACE));
}
