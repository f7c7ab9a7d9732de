#include <gtest/gtest.h>

#include "GdiObject.h"
#include "PixelFixtures.h"
#include "TCanvas.h"
#include "TIcon.h"

namespace {
constexpr TColor kBack = 0x203040;

// A 16x16 red icon whose left half is transparent (mask 1 and, as icons need, black colour there).
HICON MakeHalfIcon() {
  auto colour = fixtures::MakeBitmap(16, 16, [](int x, int) { return x < 8 ? clBlack : clRed; });
  // Monochrome mask: 1 = transparent. Rows of 16 bits, word aligned.
  unsigned char bits[16 * 2];
  for (int y = 0; y < 16; ++y) bits[2 * y] = 0xFF, bits[2 * y + 1] = 0x00;
  GdiObject<HBITMAP> mask(CreateBitmap(16, 16, 1, 1, bits));
  ICONINFO info{};
  info.fIcon = TRUE;
  info.hbmMask = mask.Get();
  info.hbmColor = colour->Handle();
  return CreateIconIndirect(&info);  // copies both bitmaps
}
}  // namespace

TEST(TIcon, DrawsWithItsMask) {
  TIcon icon;
  icon.TakeHandle(MakeHalfIcon());
  ASSERT_FALSE(icon.Empty());
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Height(), 16);
  auto dest = fixtures::SolidBitmap(20, 20, kBack);
  icon.Draw(dest->Canvas(), 2, 2, 16, 16);
  EXPECT_EQ(dest->Pixel(2, 2), kBack);
  EXPECT_EQ(dest->Pixel(9, 17), kBack);
  EXPECT_EQ(dest->Pixel(10, 2), clRed);
  EXPECT_EQ(dest->Pixel(17, 17), clRed);
  EXPECT_EQ(dest->Pixel(18, 18), kBack);
}

TEST(TIcon, AssignHandleKeepsACopyOfTheCallersIcon) {
  HICON theirs = MakeHalfIcon();
  TIcon icon;
  ASSERT_TRUE(icon.AssignHandle(theirs));
  EXPECT_NE(icon.Handle(), theirs);
  DestroyIcon(theirs);
  auto dest = fixtures::SolidBitmap(16, 16, kBack);
  icon.Draw(dest->Canvas(), 0, 0, 16, 16);
  EXPECT_EQ(dest->Pixel(12, 5), clRed);
  // A shared system icon is copied too, so destroying ours is always right.
  EXPECT_TRUE(icon.AssignHandle(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))));
  HICON released = icon.ReleaseHandle();
  EXPECT_TRUE(icon.Empty());
  DestroyIcon(released);
}

TEST(TIcon, MissingResourcesLeaveTheIconEmpty) {
  TIcon icon;
  EXPECT_FALSE(icon.LoadFromResourceName(GetModuleHandleW(nullptr), L"NO_SUCH_ICON"));
  EXPECT_FALSE(icon.LoadFromResourceId(GetModuleHandleW(nullptr), 4242, 16, 16));
  EXPECT_TRUE(icon.Empty());
}
