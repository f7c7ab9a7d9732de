#include <gtest/gtest.h>

#include "AccelChar.h"
#include "CaptionText.h"
#include "TBitmap.h"
#include "TCanvas.h"

namespace {
class CaptionText : public ::testing::Test {
protected:
  void SetUp() override {
    FBitmap.SetSize(10, 10);
    Canvas().Font().SetName(L"Tahoma");
    Canvas().Font().SetHeight(-11);
  }
  TCanvas& Canvas() { return FBitmap.Canvas(); }
  TBitmap FBitmap;
};
}  // namespace

TEST_F(CaptionText, ATextThatFitsComesBackUnchanged) {
  const std::string text = "Hello, World";
  int width = Canvas().TextWidth(text);
  EXPECT_EQ(FitCaption(Canvas(), text, width), text);
  EXPECT_EQ(FitCaption(Canvas(), text, width + 50), text);
  EXPECT_EQ(FitCaptionW(Canvas(), L"Hello, World", width), L"Hello, World");
  EXPECT_EQ(FitCaption(Canvas(), "", 0), "");
}

TEST_F(CaptionText, TheFirstShortenedCandidateThatReachesTheWidthWins) {
  const std::string text = "Hello, World";
  for (int maxWidth : {20, 30, 45, 62}) {
    std::string fitted = FitCaption(Canvas(), text, maxWidth);
    ASSERT_GE(fitted.size(), 4u);
    size_t kept = fitted.size() - 3;
    EXPECT_EQ(fitted.substr(kept), "...");
    EXPECT_EQ(fitted.substr(0, kept), text.substr(0, kept));
    // It reaches MaxWidth (possibly overshooting) and the candidate one character shorter did not.
    EXPECT_GE(Canvas().TextWidth(fitted), maxWidth);
    if (kept > 1) {
      EXPECT_LT(Canvas().TextWidth(text.substr(0, kept - 1) + "..."), maxWidth);
    }
    // The wide variant agrees character for character.
    std::wstring wide(text.begin(), text.end());
    std::wstring fittedW = FitCaptionW(Canvas(), wide, maxWidth);
    EXPECT_EQ(std::string(fittedW.begin(), fittedW.end()), fitted) << maxWidth;
  }
  // A candidate that overshoots is taken rather than a shorter one that stays below.
  std::string fitted = FitCaption(Canvas(), "WWWWWWWW", 40);
  EXPECT_GT(Canvas().TextWidth(fitted), 40);
}

TEST_F(CaptionText, WhenNoCandidateReachesTheWidthTheFullTextComesBack) {
  // A last character wider than "..." : every candidate is narrower than the text itself.
  Canvas().Font().SetHeight(-40);
  const std::wstring text = L"i\x2588";  // 'i' and a full block
  int full = WideTextWidth(Canvas(), text), candidate = WideTextWidth(Canvas(), L"i...");
  ASSERT_LT(candidate, full - 1) << "fixture: the block must be wider than the dots";
  EXPECT_EQ(FitCaptionW(Canvas(), text, full - 1), text);
  EXPECT_EQ(FitCaption(Canvas(), "i\xE2\x96\x88", full - 1), "i\xE2\x96\x88");
}

TEST_F(CaptionText, CandidatesNeverSplitACharacter) {
  // Two-byte UTF-8 characters: a cut after an odd number of bytes would leave half a character.
  const std::string text = "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";
  for (int maxWidth = 5; maxWidth < Canvas().TextWidth(text); maxWidth += 3) {
    std::string fitted = FitCaption(Canvas(), text, maxWidth);
    if (fitted != text) {
      EXPECT_EQ((fitted.size() - 3) % 2, 0u) << maxWidth;
    }
  }
  // Surrogate pairs stay whole in wide text.
  const std::wstring pairs = L"\xD83D\xDE00\xD83D\xDE00\xD83D\xDE00\xD83D\xDE00";
  for (int maxWidth = 1; maxWidth < WideTextWidth(Canvas(), pairs); maxWidth += 2) {
    std::wstring fitted = FitCaptionW(Canvas(), pairs, maxWidth);
    if (fitted != pairs) {
      EXPECT_EQ((fitted.size() - 3) % 2, 0u) << maxWidth;
    }
  }
}

TEST_F(CaptionText, WideTextWidthIsThePlatformsMeasure) {
  SIZE size{};
  HDC dc = Canvas().Handle();
  HGDIOBJ old = SelectObject(dc, Canvas().Font().Handle());
  GetTextExtentPoint32W(dc, L"Caption \x00E9", 9, &size);
  SelectObject(dc, old);
  EXPECT_EQ(WideTextWidth(Canvas(), L"Caption \x00E9"), size.cx);
  EXPECT_EQ(WideTextWidth(Canvas(), L""), 0);
}

TEST(GetAccelChar, TheCharacterAfterTheFirstSingleAmpersandInUpperCase) {
  struct Case {
    const char* caption;
    char expected;
  };
  const Case cases[] = {
      {"&File", 'F'}, {"A&&B", 0},    {"Fo&o", 'O'},   {"File&", 0},     {"&&&x", 'X'},
      {"a&&b&c", 'C'}, {"", 0},       {"No accel", 0}, {"&&", 0},        {"x&1", '1'},
  };
  for (const Case& c : cases) EXPECT_EQ(GetAccelChar(c.caption), c.expected) << c.caption;
}
