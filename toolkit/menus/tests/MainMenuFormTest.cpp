// A TMainMenu as a form's menu bar, through the form layer's TMenuBarSource.
#include <gtest/gtest.h>

#include <memory>

#include "Form.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "MenuProbe.h"
#include "PopupMenu.h"

TEST(MainMenuOnAForm, FormShowsTheBarAndSendsItsOwnCommandsToIt) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* bar = new TMainMenu(form.get());  // owned by the form, freed here first
  TMenuItem* file = AddItem(bar->Items(), "&File");
  TMenuItem* exit = AddItem(file, "E&xit");
  int exits = 0;
  exit->SetOnClick([&](TObject*) { ++exits; });
  TPopupMenu popup(nullptr);
  TMenuItem* foreign = AddItem(popup.Items(), "Not the bar's");
  int foreignClicks = 0;
  foreign->SetOnClick([&](TObject*) { ++foreignClicks; });

  form->SetMenuComponent(bar);
  form->HandleNeeded();
  const HWND window = form->Handle();
  ASSERT_EQ(GetMenu(window), bar->Handle());

  SendMessageW(window, WM_COMMAND, MAKEWPARAM(exit->Command(), 0), 0);
  EXPECT_EQ(exits, 1);
  EXPECT_FALSE(bar->DispatchCommand(foreign->Command()));
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(foreign->Command(), 0), 0);
  EXPECT_EQ(foreignClicks, 0);

  AddItem(file, "&Open");  // changes show in the window's bar at once
  EXPECT_EQ(EntryTexts(GetSubMenu(GetMenu(window), 0)), L"E&xit|&Open");

  // Freeing the menu first takes the bar off the window and out of the form.
  const HMENU handle = bar->Handle();
  delete bar;
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_FALSE(IsMenu(handle));
}
