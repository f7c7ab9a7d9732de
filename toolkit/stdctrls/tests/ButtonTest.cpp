#include <gtest/gtest.h>

#include "Button.h"
#include "ControlTestSupport.h"
#include "Edit.h"
#include "PropertyApi.h"

namespace {

struct TButtonFixture : ::testing::Test {
  std::unique_ptr<TForm> Form = MakeHostForm();
  TButton* Make(const char* Caption, int Left) {
    auto* button = new TButton(Form.get());
    button->SetParent(Form.get());
    button->SetBounds(Left, 10, 75, 25);
    button->SetCaption(Caption);
    return button;
  }
};

}  // namespace

TEST_F(TButtonFixture, ClickByMessageRunsOnClickOnce) {
  TButton* button = Make("Go", 10);
  int clicks = 0;
  button->SetOnClick([&](TObject* Sender) {
    EXPECT_EQ(Sender, button);
    ++clicks;
  });
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  ClickAt(button->Handle(), 5, 5);
  EXPECT_EQ(clicks, 2);
  // A press released outside the button is no click.
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(GetFocus(), button->Handle()) << "a pressed button takes the focus";
}

TEST_F(TButtonFixture, ModalResultClosesAModalForm) {
  TForm dialog(nullptr);
  dialog.SetBounds(100, 100, 200, 120);
  auto* ok = new TButton(&dialog);
  ok->SetParent(&dialog);
  ok->SetModalResult(mrOk);
  int clicks = 0;
  ok->SetOnClick([&](TObject*) { ++clicks; });
  // The click waits in the queue and is handled by the modal loop.
  PostMessageW(ok->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(dialog.Visible());
}

TEST_F(TButtonFixture, DefaultAndCancelAnswerReturnAndEscape) {
  TButton* okButton = Make("OK", 10);
  TButton* cancelButton = Make("Cancel", 90);
  TButton* other = Make("Other", 170);
  auto* edit = new TEdit(Form.get());
  edit->SetParent(Form.get());
  edit->SetBounds(10, 50, 100, 21);
  okButton->SetDefault(true);
  cancelButton->SetCancel(true);
  EXPECT_EQ(WindowStyle(okButton->Handle()) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
  int okClicks = 0, cancelClicks = 0, otherClicks = 0;
  okButton->SetOnClick([&](TObject*) { ++okClicks; });
  cancelButton->SetOnClick([&](TObject*) { ++cancelClicks; });
  other->SetOnClick([&](TObject*) { ++otherClicks; });

  struct TCase {
    TWinControl* Focus;
    WORD Key;
    int Ok, Cancel, Other;
  };
  const TCase cases[] = {
      {edit, VK_RETURN, 1, 0, 0},     // Return anywhere: the default button
      {edit, VK_ESCAPE, 0, 1, 0},     // Escape: the cancel button
      {other, VK_RETURN, 0, 0, 1},    // a focused button takes Return itself
      {other, VK_ESCAPE, 0, 1, 0},
      {edit, 'A', 0, 0, 0},           // other keys go to the focused control
  };
  for (const TCase& c : cases) {
    okClicks = cancelClicks = otherClicks = 0;
    c.Focus->SetFocus();
    PostKey(c.Focus->Handle(), c.Key);
    PumpMessages();
    EXPECT_EQ(okClicks, c.Ok) << "key " << c.Key;
    EXPECT_EQ(cancelClicks, c.Cancel) << "key " << c.Key;
    EXPECT_EQ(otherClicks, c.Other) << "key " << c.Key;
  }

  okButton->SetDefault(false);
  EXPECT_EQ(WindowStyle(okButton->Handle()) & BS_TYPEMASK, static_cast<DWORD>(BS_PUSHBUTTON));
  okClicks = 0;
  edit->SetFocus();
  PostKey(edit->Handle(), VK_RETURN);
  PumpMessages();
  EXPECT_EQ(okClicks, 0) << "no longer the default button";
}

TEST_F(TButtonFixture, DefaultButtonOfAnUnfocusedFormStaysQuiet) {
  TButton* okButton = Make("OK", 10);
  okButton->SetDefault(true);
  int clicks = 0;
  okButton->SetOnClick([&](TObject*) { ++clicks; });
  std::unique_ptr<TForm> other = MakeHostForm(200, 100);
  auto* edit = new TEdit(other.get());
  edit->SetParent(other.get());
  edit->SetFocus();
  PostKey(edit->Handle(), VK_RETURN);
  PumpMessages();
  EXPECT_EQ(clicks, 0);
}

TEST_F(TButtonFixture, PublishesWhatFormsAndSkinnersRead) {
  TButton* button = Make("x", 10);
  for (const char* name : {"Caption", "Default", "Cancel", "ModalResult", "Color", "ParentColor", "Font", "Enabled",
                           "Visible", "Align", "Anchors", "BiDiMode", "Tag", "TabStop"})
    EXPECT_TRUE(HasPublishedProperty(button, name)) << name;
  EXPECT_FALSE(HasPublishedProperty(button, "WordWrap"));
  SetStrProp(button, "Caption", "By name");
  EXPECT_EQ(GetWindowTextLengthW(button->Handle()), 7);
}
