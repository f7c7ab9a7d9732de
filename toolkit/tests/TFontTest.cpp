#include <gtest/gtest.h>

#include "TFont.h"

TEST(TFont, SizeAndHeightAreTwoViewsOfOneValue) {
  TFont font;
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -MulDiv(8, TFont::PixelsPerInch(), 72));
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), MulDiv(16, 72, TFont::PixelsPerInch()));
}

TEST(TFont, StyleSetsAndReadsBackEachFlag) {
  TFont font;
  const TFontStyles styles[] = {0,           fsBold, fsItalic, fsUnderline,
                                fsStrikeOut, fsBold | fsItalic | fsUnderline | fsStrikeOut};
  for (TFontStyles s : styles) {
    font.SetStyle(s);
    EXPECT_EQ(font.Style(), s);
  }
  font.SetStyle(fsBold);
  EXPECT_EQ(font.LogFont().lfWeight, FW_BOLD);
}

TEST(TFont, AssignCopiesDescriptionAndColourAndMakesItsOwnHandle) {
  TFont a, b;
  a.SetName(L"Tahoma");
  a.SetHeight(-13);
  a.SetStyle(fsItalic);
  a.SetColor(clRed);
  b.Handle();  // the old handle must be dropped, not kept
  b.Assign(a);
  EXPECT_EQ(b.Name(), L"Tahoma");
  EXPECT_EQ(b.Height(), -13);
  EXPECT_EQ(b.Style(), TFontStyles(fsItalic));
  EXPECT_EQ(b.Color(), clRed);
  EXPECT_NE(b.Handle(), a.Handle());
  LOGFONTW made{};
  ASSERT_NE(GetObjectW(b.Handle(), sizeof(made), &made), 0);
  EXPECT_EQ(made.lfHeight, -13);
  EXPECT_TRUE(made.lfItalic);
}

TEST(TFont, AssignLogFontKeepsTheColour) {
  TFont font;
  font.SetColor(clBlue);
  LOGFONTW lf{};
  lf.lfHeight = -20;
  lf.lfWeight = FW_BOLD;
  wcscpy(lf.lfFaceName, L"Courier New");
  font.AssignLogFont(lf);
  EXPECT_EQ(font.Color(), clBlue);
  EXPECT_EQ(font.Name(), L"Courier New");
  EXPECT_EQ(font.Height(), -20);
  EXPECT_EQ(font.Style(), TFontStyles(fsBold));
}
