#include <gtest/gtest.h>

#include "ColorDialog.h"
#include "DialogDriver.h"
#include "StringList.h"

namespace {
constexpr int kRedBox = 706, kGreenBox = 707, kBlueBox = 708;  // the full dialog's RGB edits
}

TEST(ColorDialog, CancelledKeepsColorAndCustomColors) {
  TColorDialog dialog(nullptr);
  dialog.SetColor(0x123456);
  dialog.CustomColors()->SetText("ColorA=00FF00\r\n");
  DialogDriver user([](HWND dlg) { PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0); });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_TRUE(user.Acted());
  EXPECT_EQ(dialog.Color(), 0x123456);
  EXPECT_EQ(dialog.CustomColors()->Text(), "ColorA=00FF00\r\n");
}

TEST(ColorDialog, AcceptedReturnsTheEditedColorAndAllCustomColors) {
  TColorDialog dialog(nullptr);
  dialog.SetColor(0x123456);  // red 0x56, green 0x34, blue 0x12
  dialog.SetOptions({cdFullOpen});
  dialog.CustomColors()->SetText("Note=kept\r\nColorA=00FF00\r\nColorC=not a colour\r\n");
  int shown[3] = {-1, -1, -1};
  DialogDriver user([&](HWND dlg) {
    shown[0] = static_cast<int>(GetDlgItemInt(dlg, kRedBox, nullptr, FALSE));
    shown[1] = static_cast<int>(GetDlgItemInt(dlg, kGreenBox, nullptr, FALSE));
    shown[2] = static_cast<int>(GetDlgItemInt(dlg, kBlueBox, nullptr, FALSE));
    SetDlgItemInt(dlg, kRedBox, 200, FALSE);
    PressButton(dlg, IDOK);
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(shown[0], 0x56);
  EXPECT_EQ(shown[1], 0x34);
  EXPECT_EQ(shown[2], 0x12);
  EXPECT_EQ(dialog.Color(), 0x1234C8);
  TStrings* custom = dialog.CustomColors();
  EXPECT_EQ(custom->Values("Note"), "kept");
  EXPECT_EQ(custom->Values("ColorA"), "00FF00");
  EXPECT_EQ(custom->Values("ColorC"), "FFFFFF");  // unreadable: white
  EXPECT_EQ(custom->Values("ColorP"), "FFFFFF");
  EXPECT_EQ(custom->Count(), 17);
}
