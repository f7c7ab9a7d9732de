#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "ControlTestSupport.h"
#include "ProgressBar.h"
#include "TrackBar.h"

namespace {

struct TTrackFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm();
  TTrackBar* Make() {
    auto* track = new TTrackBar(Form.get());
    track->SetParent(Form.get());
    track->SetBounds(10, 10, 200, 45);
    return track;
  }
};

RECT Query(HWND Window, UINT Msg) {
  RECT r{};
  SendMessageW(Window, Msg, 0, reinterpret_cast<LPARAM>(&r));
  return r;
}

bool IsEmpty(const RECT& R) { return R.right <= R.left || R.bottom <= R.top; }

}  // namespace

TEST_F(TTrackFixture, AnswersChannelThumbAndTickQueries) {
  struct TCase {
    TTrackBarOrientation Orientation;
    TTickStyle Ticks;
    TTickMark Marks;
    int Frequency;
    std::vector<int> ManualTicks;
    DWORD Styles;
    int NumTics;
  };
  const TCase cases[] = {
      {trHorizontal, tsAuto, tmBottomRight, 1, {}, TBS_AUTOTICKS, 11},
      {trVertical, tsAuto, tmBoth, 2, {}, TBS_VERT | TBS_AUTOTICKS | TBS_BOTH, 6},
      {trHorizontal, tsAuto, tmTopLeft, 5, {}, TBS_AUTOTICKS | TBS_TOP, 3},
      {trHorizontal, tsManual, tmBottomRight, 1, {3, 7}, 0, 4},
      {trHorizontal, tsNone, tmBottomRight, 1, {}, TBS_NOTICKS, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.Orientation << " " << c.Ticks << " " << c.Marks << " " << c.Frequency);
    TTrackBar* track = Make();
    track->SetOrientation(c.Orientation);
    track->SetTickStyle(c.Ticks);
    track->SetTickMarks(c.Marks);
    track->SetFrequency(c.Frequency);
    for (int tick : c.ManualTicks) track->SetTick(tick);
    const HWND h = track->Handle();
    const DWORD mask = TBS_VERT | TBS_AUTOTICKS | TBS_NOTICKS | TBS_TOP | TBS_BOTH;
    EXPECT_EQ(WindowStyle(h) & mask, c.Styles);
    EXPECT_EQ(c.Orientation == trVertical, track->Height() > track->Width()) << "the long side follows the slider";
    EXPECT_FALSE(IsEmpty(Query(h, TBM_GETCHANNELRECT)));
    const RECT thumb = Query(h, TBM_GETTHUMBRECT);
    EXPECT_FALSE(IsEmpty(thumb));
    EXPECT_TRUE(thumb.left >= 0 && thumb.top >= 0 && thumb.right <= track->Width() && thumb.bottom <= track->Height());
    const LRESULT count = SendMessageW(h, TBM_GETNUMTICS, 0, 0);
    EXPECT_EQ(count, c.NumTics);
    // The inner ticks, in order along the channel (which way a vertical one runs is the platform's).
    std::vector<int> ticks;
    for (LRESULT j = 0; j + 2 < count; ++j) {
      const auto at = static_cast<int>(SendMessageW(h, TBM_GETTICPOS, static_cast<WPARAM>(j), 0));
      EXPECT_GT(at, 0) << "tick " << j;
      EXPECT_LT(at, std::max(track->Width(), track->Height())) << "tick " << j;
      ticks.push_back(at);
    }
    for (size_t j = 1; j < ticks.size(); ++j) {
      if (c.Orientation == trHorizontal) {
        EXPECT_GT(ticks[j], ticks[j - 1]) << "tick " << j;
      }
      EXPECT_NE(ticks[j], ticks[j - 1]) << "tick " << j;
      if (j >= 2) {
        EXPECT_EQ(ticks[j] > ticks[j - 1], ticks[j - 1] > ticks[j - 2]) << "tick " << j;
      }
    }
    delete track;
  }
}

TEST_F(TTrackFixture, PositionFollowsKeysAndRunsOnChange) {
  TTrackBar* track = Make();
  track->SetPageSize(3);
  int changes = 0;
  track->SetOnChange([&](TObject*) { ++changes; });
  track->SetFocus();
  const int thumbAtZero = Query(track->Handle(), TBM_GETTHUMBRECT).left;
  struct TCase {
    WORD Key;
    int Position;
  };
  const TCase cases[] = {{VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_LEFT, 1}, {VK_NEXT, 4}, {VK_END, 10}, {VK_HOME, 0}};
  int expectedChanges = 0;
  for (const TCase& c : cases) {
    PressKey(track->Handle(), c.Key);
    EXPECT_EQ(track->Position(), c.Position) << "key " << c.Key;
    EXPECT_EQ(changes, ++expectedChanges) << "key " << c.Key;
  }
  track->SetPosition(5);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0), 5);
  EXPECT_GT(Query(track->Handle(), TBM_GETTHUMBRECT).left, thumbAtZero);
  EXPECT_EQ(changes, expectedChanges + 1);
  track->SetMax(4);
  EXPECT_EQ(track->Position(), 4) << "a smaller range pulls the position in";
  track->SetOrientation(trVertical);  // a new window keeps range and position
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETRANGEMAX, 0, 0), 4);
  EXPECT_EQ(SendMessageW(track->Handle(), TBM_GETPOS, 0, 0), 4);
}

TEST(ProgressBar, PositionGoesToTheWindowAsPbmSetPos) {
  auto form = MakeHostForm();
  auto* bar = new TProgressBar(form.get());
  bar->SetParent(form.get());
  bar->SetBounds(10, 10, 17, 193);
  bar->SetOrientation(pbVertical);
  bar->SetMax(10);
  TSubclassProbe probe(*bar);
  bar->SetPosition(7);
  ASSERT_EQ(probe.Count(PBM_SETPOS), 1);
  for (const TMessage& m : probe.Log()) {
    if (m.Msg == PBM_SETPOS) {
      EXPECT_EQ(m.WParam, 7u);
    }
  }
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 7);
  EXPECT_TRUE(WindowStyle(bar->Handle()) & PBS_VERTICAL);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETRANGE, TRUE, 0), 0);    // the low end
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETRANGE, FALSE, 0), 10);  // the high end
  bar->SetPosition(25);
  EXPECT_EQ(bar->Position(), 10) << "kept within Min and Max";
  bar->SetPosition(2);
  bar->SetStep(3);
  bar->StepIt();
  EXPECT_EQ(bar->Position(), 5);
  bar->SetSmooth(true);  // a new window
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETPOS, 0, 0), 5);
  EXPECT_EQ(SendMessageW(bar->Handle(), PBM_GETRANGE, FALSE, 0), 10);
}
