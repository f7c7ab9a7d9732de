#include <gtest/gtest.h>

#include <stdexcept>

#include "CommandWindow.h"
#include "DialogDriver.h"
#include "MessageDialogs.h"

TEST(MessageBoxes, ShowMessageBoxIsOwnedByTheActiveWindowAndReturnsTheButton) {
  CommandWindow window;
  SetActiveWindow(window.Handle());
  ASSERT_EQ(GetActiveWindow(), window.Handle());
  HWND owner = nullptr;
  DialogDriver user([&](HWND dlg) {
    owner = GetWindow(dlg, GW_OWNER);
    EXPECT_EQ(WindowText(dlg), L"Vexa");
    EXPECT_NE(FindDescendant(dlg, L"Static", L"Hello world! \u00C9t\u00E9"), nullptr);
    PressButton(dlg, IDCANCEL);
  });
  EXPECT_EQ(ShowMessageBox("Hello world! \xC3\x89t\xC3\xA9", "Vexa", MB_OKCANCEL | MB_ICONINFORMATION), IDCANCEL);
  EXPECT_EQ(owner, window.Handle());
}

TEST(MessageBoxes, MessageDlgShowsTheButtonsAndCaptionOfItsKind) {
  struct Case {
    TMsgDlgType Type;
    TMsgDlgButtons Buttons;
    const wchar_t* Caption;
    int ButtonCount;
    int Press;
  };
  const Case cases[] = {
      {mtWarning, {mbOK}, L"Warning", 1, IDOK},
      {mtError, {mbOK, mbCancel}, L"Error", 2, IDCANCEL},
      {mtConfirmation, {mbYes, mbNo}, L"Confirm", 2, IDNO},
      {mtConfirmation, {mbYes, mbNo, mbCancel}, L"Confirm", 3, IDYES},
      {mtInformation, {mbRetry, mbCancel}, L"Information", 2, IDRETRY},
      {mtError, {mbAbort, mbRetry, mbIgnore}, L"Error", 3, IDIGNORE},
      {mtInformation, {}, L"Information", 1, IDOK},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.Type << " buttons " << c.Buttons.Bits());
    DialogDriver user([&](HWND dlg) {
      EXPECT_EQ(WindowText(dlg), c.Caption);
      EXPECT_EQ(CountDescendants(dlg, L"Button"), c.ButtonCount);
      PressButton(dlg, c.Press);
    });
    EXPECT_EQ(MessageDlg("Continue?", c.Type, c.Buttons), c.Press);
    EXPECT_TRUE(user.Acted());
  }
}

TEST(MessageBoxes, MessageDlgRefusesButtonSetsTheSystemCannotShow) {
  EXPECT_THROW(MessageDlg("?", mtWarning, {mbYes, mbCancel}), std::invalid_argument);
  EXPECT_THROW(MessageDlg("?", mtWarning, {mbIgnore}), std::invalid_argument);
}

TEST(MessageBoxes, ShowMessageIsCaptionedWithTheApplicationTitle) {
  for (const char* title : {"", "Vexa Demo"}) {
    SCOPED_TRACE(title);
    SetMessageBoxTitle(title);
    std::wstring caption;
    DialogDriver user([&](HWND dlg) {
      caption = WindowText(dlg);
      PressButton(dlg, IDOK);
    });
    ShowMessage("Saved.");
    EXPECT_EQ(caption, *title ? L"Vexa Demo" : L"dialogs_tests");
  }
  SetMessageBoxTitle("");
}
