#include <gtest/gtest.h>

#include "DialogDriver.h"
#include "SelectDirectory.h"
#include "TempFiles.h"

TEST(SelectDirectory, CancelledLeavesTheDirectoryAlone) {
  std::string directory = "C:\\windows";
  DialogDriver user([](HWND dlg) {
    // Wine's browser has no "SHBrowseForFolder ShellNameSpace Control"; its tree view tells it.
    EXPECT_NE(FindDescendant(dlg, L"SysTreeView32"), nullptr);
    EXPECT_NE(FindDescendant(dlg, L"Static", L"Where are the skins?"), nullptr);
    PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(SelectDirectory("Where are the skins?", "", directory));
  EXPECT_TRUE(user.Acted());
  EXPECT_EQ(directory, "C:\\windows");
}

TEST(SelectDirectory, AcceptedReturnsTheFolderItOpenedAt) {
  // Not under the temporary folder: Wine's tree hides it, and the browser would stop at its parent.
  TempFolder folder("vexa-browse", "C:\\");
  std::string directory = folder.Path();
  DialogDriver user([](HWND dlg) { PressButton(dlg, IDOK); });
  ASSERT_TRUE(SelectDirectory("Choose", "", directory));
  EXPECT_EQ(CanonicalPath(directory), CanonicalPath(folder.Path()));
}
