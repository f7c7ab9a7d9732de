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

TEST(TIcon, OnChangeRunsOnceForEachCallThatChangesTheIcon) {
  struct Case {
    const char* What;
    bool StartFilled;
    void (*Act)(TIcon&);
    int Changes;
    bool EndsEmpty;
  } cases[] = {
      {"missing resource", true, [](TIcon& i) { i.LoadFromResourceName(GetModuleHandleW(nullptr), L"NO_SUCH_ICON"); }, 0, false},
      {"TakeHandle", false, [](TIcon& i) { i.TakeHandle(MakeHalfIcon()); }, 1, false},
      {"TakeHandle of its own", true, [](TIcon& i) { i.TakeHandle(i.Handle()); }, 0, false},
      {"AssignHandle", true, [](TIcon& i) { i.AssignHandle(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION))); }, 1, false},
      {"ReleaseHandle", true, [](TIcon& i) { DestroyIcon(i.ReleaseHandle()); }, 1, true},
      {"ReleaseHandle of nothing", false, [](TIcon& i) { i.ReleaseHandle(); }, 0, true},
      {"Clear", true, [](TIcon& i) { i.Clear(); }, 1, true},
      {"Clear of nothing", false, [](TIcon& i) { i.Clear(); }, 0, true},
      {"Assign", false, [](TIcon& i) {
         TIcon other;
         other.TakeHandle(MakeHalfIcon());
         i.Assign(&other);
       }, 1, false},
      {"Assign of an empty one", true, [](TIcon& i) {
         TIcon other;
         i.Assign(&other);
       }, 1, true},
  };
  for (const Case& c : cases) {
    TIcon icon;
    if (c.StartFilled) icon.TakeHandle(MakeHalfIcon());
    int changes = 0;
    icon.SetOnChange([&](TObject* Sender) {
      ++changes;
      EXPECT_EQ(Sender, &icon) << c.What;
    });
    c.Act(icon);
    EXPECT_EQ(changes, c.Changes) << c.What;
    EXPECT_EQ(icon.Empty(), c.EndsEmpty) << c.What;
  }
  // Its destruction is no change anyone hears of.
  int changes = 0;
  {
    TIcon icon;
    icon.TakeHandle(MakeHalfIcon());
    icon.SetOnChange([&](TObject*) { ++changes; });
  }
  EXPECT_EQ(changes, 0);
}
