#include <gtest/gtest.h>

#include "SystemFonts.h"

namespace {
NONCLIENTMETRICSW Metrics() {
  NONCLIENTMETRICSW m{};
  m.cbSize = sizeof(m);
  EXPECT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0));
  return m;
}

void ExpectFont(const TFont& font, const LOGFONTW& expected) {
  EXPECT_EQ(font.Name(), std::wstring(expected.lfFaceName));
  EXPECT_EQ(font.Height(), expected.lfHeight);
  EXPECT_EQ(font.LogFont().lfWeight, expected.lfWeight);
  EXPECT_EQ(font.LogFont().lfItalic, expected.lfItalic);
  EXPECT_EQ(font.LogFont().lfCharSet, expected.lfCharSet);
  LOGFONTW made{};
  ASSERT_NE(GetObjectW(font.Handle(), sizeof(made), &made), 0);
  EXPECT_EQ(std::wstring(made.lfFaceName), std::wstring(expected.lfFaceName));
}
}  // namespace

TEST(SystemFonts, CaptionFontComesFromTheNonClientMetricsAndKeepsTheColour) {
  const NONCLIENTMETRICSW m = Metrics();
  TFont font;
  font.SetName(L"Courier New");
  font.SetHeight(-30);
  font.SetColor(clRed);
  AssignCaptionFont(font);
  ExpectFont(font, m.lfCaptionFont);
  EXPECT_EQ(font.Color(), clRed);
}

TEST(SystemFonts, MenuFontComesFromTheNonClientMetricsInTheMenuTextColour) {
  const NONCLIENTMETRICSW m = Metrics();
  TFont font;
  font.SetHeight(-30);
  font.SetColor(clRed);
  AssignMenuFont(font);
  ExpectFont(font, m.lfMenuFont);
  EXPECT_EQ(font.Color(), clMenuText);
}
