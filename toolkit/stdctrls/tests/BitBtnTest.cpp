#include <gtest/gtest.h>

#include <string>

#include "BitBtn.h"
#include "ButtonLayout.h"
#include "ControlTestSupport.h"
#include "StockGlyphs.h"

namespace {

using TPixels = std::vector<std::vector<COLORREF>>;

// Where in Pixels the frame Frame of Glyph appears intact (every pixel but the transparent ones),
// searched over the whole picture; {-1, -1} when nowhere.
TPoint FindGlyph(const TPixels& Pixels, const TBitmap& Glyph, int Frames, int Frame) {
  const int width = Glyph.Width() / Frames;
  const int height = Glyph.Height();
  const TColor transparent = Glyph.Pixel(0, height - 1);
  const int rows = static_cast<int>(Pixels.size());
  const int columns = rows ? static_cast<int>(Pixels[0].size()) : 0;
  for (int top = 0; top + height <= rows; ++top)
    for (int left = 0; left + width <= columns; ++left) {
      bool match = true;
      for (int y = 0; y < height && match; ++y)
        for (int x = 0; x < width && match; ++x) {
          const TColor c = Glyph.Pixel(Frame * width + x, y);
          if (c != transparent && static_cast<COLORREF>(c) != Pixels[top + y][left + x]) match = false;
        }
      if (match) return TPoint{left, top};
    }
  return TPoint{-1, -1};
}

int OpaquePixels(const TBitmap& Glyph, int Frames, int Frame) {
  const int width = Glyph.Width() / Frames;
  const TColor transparent = Glyph.Pixel(0, Glyph.Height() - 1);
  int count = 0;
  for (int y = 0; y < Glyph.Height(); ++y)
    for (int x = 0; x < width; ++x) count += Glyph.Pixel(Frame * width + x, y) != transparent;
  return count;
}

struct TKindCase {
  TBitBtnKind Kind;
  const char* Caption;
  TModalResult Result;
  bool Default, Cancel;
};

const TKindCase kKinds[] = {
    {bkOK, "OK", mrOk, true, false},          {bkCancel, "Cancel", mrCancel, false, true},
    {bkHelp, "&Help", mrNone, false, false},  {bkYes, "&Yes", mrYes, true, false},
    {bkNo, "&No", mrNo, false, true},         {bkClose, "&Close", mrNone, false, false},
    {bkAbort, "Abort", mrAbort, false, false}, {bkRetry, "&Retry", mrRetry, false, false},
    {bkIgnore, "&Ignore", mrIgnore, false, false}, {bkAll, "&All", 8, false, false},
};

}  // namespace

TEST(BitBtn, EveryKindGetsItsGlyphCaptionAndRoleAndPaintsTheGlyph) {
  auto form = MakeHostForm();
  for (const TKindCase& c : kKinds) {
    SCOPED_TRACE(c.Caption);
    auto* button = new TBitBtn(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 10, 89, 25);
    button->SetKind(c.Kind);
    EXPECT_EQ(button->Kind(), c.Kind);
    EXPECT_EQ(button->Caption(), c.Caption);
    EXPECT_EQ(button->ModalResult(), c.Result);
    EXPECT_EQ(button->Default(), c.Default);
    EXPECT_EQ(button->Cancel(), c.Cancel);
    ASSERT_FALSE(button->Glyph()->Empty());
    EXPECT_EQ(button->NumGlyphs(), 2);
    EXPECT_EQ(button->Glyph()->Width(), 2 * kStockGlyphSize);
    EXPECT_GT(OpaquePixels(*button->Glyph(), 2, 0), 20);
    EXPECT_EQ(WindowStyle(button->Handle()) & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));

    RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const TPoint at = FindGlyph(CaptureClient(button->Handle()), *button->Glyph(), 2, 0);
    EXPECT_GE(at.X, 0) << "the glyph is not on the button";
    // Glyph left of the caption, the pair centred: the glyph is in the left half.
    EXPECT_LT(at.X, 89 / 2 - kStockGlyphSize / 2);
    EXPECT_NEAR(at.Y, (25 - kStockGlyphSize) / 2, 1);
    delete button;
  }
}

TEST(BitBtn, StockGlyphsDifferFromEachOther) {
  std::vector<std::unique_ptr<TBitmap>> glyphs;
  for (const TKindCase& c : kKinds) glyphs.push_back(CreateStockGlyph(c.Kind));
  EXPECT_EQ(CreateStockGlyph(bkCustom), nullptr);
  int same = 0;
  for (size_t a = 0; a < glyphs.size(); ++a)
    for (size_t b = a + 1; b < glyphs.size(); ++b) {
      bool equal = true;
      for (int y = 0; y < kStockGlyphSize && equal; ++y)
        for (int x = 0; x < kStockGlyphSize && equal; ++x) equal = glyphs[a]->Pixel(x, y) == glyphs[b]->Pixel(x, y);
      same += equal;
    }
  EXPECT_EQ(same, 1) << "only OK and Yes share their tick";
}

TEST(BitBtn, DisabledButtonShowsItsSecondGlyphFrame) {
  auto form = MakeHostForm();
  auto* button = new TBitBtn(form.get());
  button->SetParent(form.get());
  button->SetBounds(10, 10, 89, 25);
  button->SetKind(bkCancel);
  button->SetEnabled(false);
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const TPixels pixels = CaptureClient(button->Handle());
  EXPECT_GE(FindGlyph(pixels, *button->Glyph(), 2, 1).X, 0);
  EXPECT_LT(FindGlyph(pixels, *button->Glyph(), 2, 0).X, 0);
}

TEST(BitBtn, PressedButtonMovesItsGlyphByOnePixel) {
  auto form = MakeHostForm();
  auto* button = new TBitBtn(form.get());
  button->SetParent(form.get());
  button->SetBounds(10, 10, 89, 25);
  button->SetKind(bkOK);
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const TPoint up = FindGlyph(CaptureClient(button->Handle()), *button->Glyph(), 2, 0);
  SendMessageW(button->Handle(), BM_SETSTATE, TRUE, 0);
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const TPoint down = FindGlyph(CaptureClient(button->Handle()), *button->Glyph(), 2, 0);
  ASSERT_GE(up.X, 0);
  EXPECT_EQ(down.X, up.X + 1);
  EXPECT_EQ(down.Y, up.Y + 1);
}

TEST(BitBtn, CustomGlyphWithoutCaptionIsCentred) {
  auto form = MakeHostForm();
  auto* button = new TBitBtn(form.get());
  button->SetParent(form.get());
  button->SetBounds(10, 10, 60, 40);
  TBitmap glyph(16, 16);
  glyph.Canvas().Brush().SetColor(clFuchsia);
  glyph.Canvas().FillRect(TRect{0, 0, 16, 16});
  glyph.Canvas().Brush().SetColor(clBlue);
  glyph.Canvas().FillRect(TRect{2, 2, 14, 14});
  button->SetGlyph(&glyph);
  RedrawWindow(button->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const TPoint at = FindGlyph(CaptureClient(button->Handle()), *button->Glyph(), 1, 0);
  // Client 58 x 38 inside a one-pixel edge; no caption, so no spacing: the glyph in the middle.
  EXPECT_EQ(at.X, 1 + (58 - 16 + 1) / 2);
  EXPECT_EQ(at.Y, 1 + (38 - 16 + 1) / 2);
}

TEST(BitBtn, CloseKindClosesItsForm) {
  TForm dialog(nullptr);
  dialog.SetBounds(100, 100, 200, 120);
  auto* close = new TBitBtn(&dialog);
  close->SetParent(&dialog);
  close->SetKind(bkClose);
  PostMessageW(close->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST(ButtonContentLayout, PlacesGlyphAndCaption) {
  const TRect client{0, 0, 100, 30};
  const TSize glyph{16, 16};
  const TSize text{40, 13};
  struct TCase {
    TButtonLayout Layout;
    int Margin, Spacing;
    bool RightToLeft;
    TPoint Glyph;
    TPoint Text;
  };
  const TCase cases[] = {
      {blGlyphLeft, -1, -1, false, {14, 7}, {44, 9}},    // free 44: margin = spacing = 14
      {blGlyphLeft, -1, 4, false, {20, 7}, {40, 9}},     // the pair centred with a gap of 4
      {blGlyphLeft, 2, -1, false, {2, 7}, {39, 9}},      // spacing takes half of what is left
      {blGlyphRight, 5, 3, false, {79, 7}, {36, 9}},
      {blGlyphLeft, 5, 3, true, {79, 7}, {36, 9}},       // right to left: the glyph goes right
      {blGlyphTop, 0, 1, false, {42, 0}, {30, 17}},
      {blGlyphBottom, 0, 1, false, {42, 14}, {30, 0}},
  };
  for (const TCase& c : cases) {
    const TButtonContentPlace r = PlaceButtonContent(client, glyph, text, c.Layout, c.Margin, c.Spacing, c.RightToLeft);
    EXPECT_EQ(r.GlyphPos.X, c.Glyph.X) << c.Layout << " " << c.Margin << " " << c.Spacing;
    EXPECT_EQ(r.GlyphPos.Y, c.Glyph.Y) << c.Layout << " " << c.Margin << " " << c.Spacing;
    EXPECT_EQ(r.TextRect.Left, c.Text.X) << c.Layout << " " << c.Margin << " " << c.Spacing;
    EXPECT_EQ(r.TextRect.Top, c.Text.Y) << c.Layout << " " << c.Margin << " " << c.Spacing;
    EXPECT_EQ(r.TextRect.Width(), text.cx);
  }
  // Without a caption there is no spacing, and the client's corner offsets everything.
  const TButtonContentPlace alone = PlaceButtonContent(TRect{1, 1, 61, 31}, glyph, TSize{}, blGlyphLeft, -1, 4);
  EXPECT_EQ(alone.GlyphPos.X, 1 + (60 - 16 + 1) / 2);
  EXPECT_EQ(alone.GlyphPos.Y, 1 + (30 - 16 + 1) / 2);
}
