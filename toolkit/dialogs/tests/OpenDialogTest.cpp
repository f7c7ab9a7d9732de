// The open dialog run for real, the user played by a CBT hook and a timer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogDriver.h"
#include "OpenDialog.h"
#include "StringList.h"
#include "TempFiles.h"
#include "TextEncoding.h"

namespace {
constexpr int kFileTypeCombo = 0x470;  // cmb1
constexpr int kFileNameBox = 0x47C;    // cmb13

// The file-name edit of an explorer-style dialog (inside its name combo box).
void TypeFileName(HWND Dialog, const std::wstring& Name) {
  HWND box = GetDlgItem(Dialog, kFileNameBox);
  ASSERT_NE(box, nullptr);
  HWND edit = ClassOf(box) == L"Edit" ? box : FindDescendant(box, L"Edit");
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, Name.c_str());
}
}  // namespace

TEST(OpenDialog, CancelledLeavesEverythingAsItWas) {
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("Text files|*.txt|Everything|*.*");
  dialog.SetFilterIndex(2);
  dialog.SetTitle("Pick a skin");
  dialog.SetFileName("C:\\keep\\me.txt");
  std::wstring typeShown;
  DialogDriver user([&](HWND dlg) {
    EXPECT_EQ(WindowText(dlg), L"Pick a skin");
    HWND types = GetDlgItem(dlg, kFileTypeCombo);
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(SendMessageW(types, CB_GETCOUNT, 0, 0), 2);
    wchar_t text[64] = {};
    SendMessageW(types, CB_GETLBTEXT, SendMessageW(types, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
    typeShown = text;
    EXPECT_NE(FindDescendant(dlg, L"SysListView32"), nullptr);  // really the file dialog
    PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_TRUE(user.Acted());
  EXPECT_EQ(typeShown, L"Everything");
  EXPECT_EQ(dialog.FileName(), "C:\\keep\\me.txt");
  EXPECT_EQ(dialog.FilterIndex(), 2);
  EXPECT_EQ(dialog.Files()->Count(), 0);
}

TEST(OpenDialog, AcceptedReturnsTheChosenFiles) {
  TempFolder folder("vexa-open-dialog");
  const std::string skin = folder.AddFile("blue skin.mvx");
  const std::string other = folder.AddFile("green.mvx");
  struct Case {
    const char* Name;
    std::wstring Typed;
    TOpenOptions Options;
    std::vector<std::string> Expected;
  };
  const Case cases[] = {
      // Names are relative to InitialDir.
      {"one file", L"blue skin.mvx", {ofFileMustExist, ofHideReadOnly}, {skin}},
      {"default extension added", L"blue skin", {ofHideReadOnly}, {skin}},
      {"several", L"\"blue skin.mvx\" \"green.mvx\"", {ofAllowMultiSelect, ofFileMustExist}, {skin, other}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Skin files|*.mvx");
    dialog.SetDefaultExt("mvx");
    dialog.SetInitialDir(folder.Path());
    dialog.SetOptions(c.Options);
    DialogDriver user([&](HWND dlg) {
      TypeFileName(dlg, c.Typed);
      PressButton(dlg, IDOK);
    });
    ASSERT_TRUE(dialog.Execute());
    ASSERT_EQ(dialog.Files()->Count(), static_cast<int>(c.Expected.size()));
    for (size_t i = 0; i < c.Expected.size(); ++i)
      EXPECT_EQ(CanonicalPath(dialog.Files()->Strings(static_cast<int>(i))), CanonicalPath(c.Expected[i]));
    EXPECT_EQ(CanonicalPath(dialog.FileName()), CanonicalPath(c.Expected[0]));
    EXPECT_EQ(dialog.FilterIndex(), 1);
  }
}
