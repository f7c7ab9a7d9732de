// The queries skinners ask of forms and controls: which form a window is, whether it shows as
// active, right-to-left text flags, moving by rectangle, and the control frame.
#include <gtest/gtest.h>

#include <vector>

#include "Application.h"
#include "CustomControl.h"
#include "Form.h"
#include "FormQueries.h"
#include "PropertyApi.h"
#include "RightToLeft.h"
#include "Screen.h"
#include "TWindowCanvas.h"

namespace {

// A control that records each bounds change it is asked for.
class TRecordingBox : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  void SetBounds(int L, int T, int W, int H) override {
    Calls.push_back({L, T, W, H});
    TCustomControl::SetBounds(L, T, W, H);
  }
  std::vector<TRect> Calls;  // as (left, top, width, height)
};

// Answers the active-state question the way a skinned window does.
LRESULT gAnswer = 0;
WNDPROC gPrevious = nullptr;
LRESULT CALLBACK AnsweringProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == 0x2AAB) return gAnswer;
  return CallWindowProcW(gPrevious, w, m, wp, lp);
}

TEST(FormQueries, FindFormByHandleGoesThroughTheScreensForms) {
  TForm first(nullptr), second(nullptr);
  EXPECT_EQ(FindFormByHandle(second.Handle()), &second);
  EXPECT_EQ(FindFormByHandle(first.Handle()), &first);
  EXPECT_EQ(FindFormByHandle(GetDesktopWindow()), nullptr);
  TForm unshown(nullptr);
  EXPECT_FALSE(unshown.HandleAllocated());
  EXPECT_EQ(FindFormByHandle(nullptr), nullptr);
  EXPECT_FALSE(unshown.HandleAllocated()) << "asking must not make windows";
}

TEST(FormQueries, SkinnedWindowsAnswerFirst) {
  TForm form(nullptr);
  EXPECT_FALSE(IsFormActive(form)) << "invisible";
  form.Show();
  gPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(form.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AnsweringProc)));
  gAnswer = 1;
  EXPECT_TRUE(IsFormActive(form));
  gAnswer = 2;
  EXPECT_FALSE(IsFormActive(form));
  SetWindowLongPtrW(form.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPrevious));
  form.Hide();
  gAnswer = 1;
  EXPECT_FALSE(IsFormActive(form)) << "an invisible form is never active";
}

TEST(FormQueries, SetBoundsFromRectSetsOneValueAtATime) {
  TForm form(nullptr);
  auto* box = new TRecordingBox(&form);
  box->SetParent(&form);
  box->SetBounds(1, 2, 3, 4);
  box->Calls.clear();
  SetBoundsFromRect(*box, TRect{10, 20, 110, 70});
  ASSERT_EQ(box->Calls.size(), 4u);
  EXPECT_EQ(box->Calls[0], (TRect{10, 2, 3, 4}));
  EXPECT_EQ(box->Calls[1], (TRect{10, 20, 3, 4}));
  EXPECT_EQ(box->Calls[2], (TRect{10, 20, 100, 4}));
  EXPECT_EQ(box->Calls[3], (TRect{10, 20, 100, 50}));
}

TEST(FormQueries, PublishedPropertiesOfAncestorsCount) {
  TForm form(nullptr);
  EXPECT_TRUE(HasPublishedProperty(&form, "Caption"));
  EXPECT_TRUE(HasPublishedProperty(&form, "BorderStyle"));
  EXPECT_TRUE(HasPublishedProperty(&form, "left")) << "names ignore case";
  EXPECT_FALSE(HasPublishedProperty(&form, "WordWrap"));
}

struct BiDiCase {
  TBiDiMode mode;
  unsigned flags;
  unsigned expected;
};

TEST(RightToLeft, FlagsFollowTheControlWhenTheSystemSupportsIt) {
  TForm form(nullptr);
  SetMiddleEastSupportForTest(1);
  const BiDiCase cases[] = {
      {bdRightToLeft, DT_LEFT, DT_RIGHT | DT_RTLREADING},
      {bdRightToLeft, DT_RIGHT, DT_RTLREADING},
      {bdRightToLeft, DT_CENTER, DT_CENTER | DT_RTLREADING},
      {bdRightToLeftReadingOnly, DT_LEFT, DT_RTLREADING},
      {bdRightToLeftNoAlign, DT_RIGHT, DT_RIGHT | DT_RTLREADING},
      {bdLeftToRight, DT_LEFT, DT_LEFT},
  };
  for (const auto& c : cases) {
    form.SetBiDiMode(c.mode);
    EXPECT_EQ(SkinDrawTextBiDiModeFlags(form, c.flags), c.expected) << int(c.mode) << " " << c.flags;
  }
  form.SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(SkinUseRightToLeftAlignment(form));
  EXPECT_EQ(SkinRTLReadingFlag(form), unsigned(DT_RTLREADING));

  SetMiddleEastSupportForTest(0);
  EXPECT_FALSE(SkinUseRightToLeftAlignment(form));
  EXPECT_FALSE(SkinUseRightToLeftReading(form));
  EXPECT_EQ(SkinRTLReadingFlag(form), 0u);
  EXPECT_EQ(SkinDrawTextBiDiModeFlags(form, DT_CENTER), unsigned(DT_CENTER));
  SetMiddleEastSupportForTest(-1);
}

TEST(ControlFrame, DrawsOnTheControlsWholeWindow) {
  TForm form(nullptr);
  form.SetBounds(50, 50, 200, 150);
  auto* box = new TCustomControl(&form);
  box->SetParent(&form);
  box->SetBounds(10, 10, 40, 30);
  form.Show();
  DrawControlFrame(*box, 0x0000FF, 0x00FF00, true);
  HDC dc = GetWindowDC(box->Handle());
  EXPECT_EQ(GetPixel(dc, 0, 0), COLORREF(0x0000FF));
  EXPECT_EQ(GetPixel(dc, 39, 29), COLORREF(0x0000FF));
  EXPECT_EQ(GetPixel(dc, 1, 1), COLORREF(0x00FF00));
  EXPECT_EQ(GetPixel(dc, 38, 28), COLORREF(0x00FF00));
  ReleaseDC(box->Handle(), dc);
}

}  // namespace
