#include <gtest/gtest.h>

#include "BitmapFrames.h"
#include "PixelFixtures.h"
#include "TCanvas.h"

using fixtures::Coded;

TEST(CutBitmapFrame, EachFrameOfAStripCountingFromOne) {
  // 13 columns in 3 frames: frames are 4 wide, the last column belongs to none.
  auto strip = fixtures::MakeBitmap(13, 3, Coded);
  for (int index = 1; index <= 3; ++index) {
    TBitmap frame(20, 20);
    frame.SetTransparent(true);
    frame.SetTransparentColor(clFuchsia);
    CutBitmapFrame(strip.get(), frame, 3, index);
    ASSERT_EQ(frame.Width(), 4);
    ASSERT_EQ(frame.Height(), 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) EXPECT_EQ(frame.Pixel(x, y), Coded(4 * (index - 1) + x, y)) << index;
    // The caller's transparency settings survive the cut.
    EXPECT_TRUE(frame.Transparent());
    EXPECT_EQ(frame.TransparentColor(), clFuchsia);
    EXPECT_EQ(frame.Canvas().Pixels(3, 2), Coded(4 * (index - 1) + 3, 2));
  }
}

TEST(CutBitmapFrame, ASourceCutIntoItself) {
  auto strip = fixtures::MakeBitmap(12, 2, Coded);
  CutBitmapFrame(strip.get(), *strip, 3, 2);
  ASSERT_EQ(strip->Width(), 4);
  EXPECT_EQ(strip->Pixel(0, 0), Coded(4, 0));
  EXPECT_EQ(strip->Pixel(3, 1), Coded(7, 1));
}

TEST(CutBitmapFrame, NoSourceOrNoFramesLeaveTheDestinationAlone) {
  auto dest = fixtures::SolidBitmap(3, 3, clRed);
  CutBitmapFrame(nullptr, *dest, 3, 1);
  auto strip = fixtures::MakeBitmap(12, 2, Coded);
  CutBitmapFrame(strip.get(), *dest, 0, 1);
  EXPECT_EQ(dest->Width(), 3);
  EXPECT_EQ(dest->Pixel(2, 2), clRed);
  // More frames than columns: frames of width 0.
  CutBitmapFrame(strip.get(), *dest, 20, 1);
  EXPECT_TRUE(dest->Empty());
  EXPECT_EQ(dest->Height(), 2);
}
