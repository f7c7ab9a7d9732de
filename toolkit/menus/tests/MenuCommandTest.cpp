// Command ids, WM_COMMAND dispatch, Click (AutoCheck, OnClick, actions) and the menu bar on a real
// window.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Action.h"
#include "CommandWindow.h"
#include "MainMenu.h"
#include "MenuCommands.h"
#include "MenuItem.h"
#include "MenuProbe.h"
#include "PopupMenu.h"

TEST(MenuCommands, IdsAreUniqueAcrossMenusAndMapBackToTheirItems) {
  TMainMenu bar(nullptr);
  TPopupMenu popup(nullptr);
  std::vector<TMenuItem*> items;
  for (int i = 0; i < 20; ++i) {
    items.push_back(AddItem(bar.Items(), "b"));
    items.push_back(AddItem(popup.Items(), "p"));
  }
  std::set<UINT> ids;
  for (TMenuItem* item : items) {
    EXPECT_GE(item->Command(), kFirstMenuCommand);
    EXPECT_LE(item->Command(), kLastMenuCommand);
    ids.insert(item->Command());
    EXPECT_EQ(FindMenuItemByCommand(item->Command()), item);
  }
  EXPECT_EQ(ids.size(), items.size());

  const UINT freed = items[0]->Command();
  bar.Items()->Delete(0);
  EXPECT_EQ(FindMenuItemByCommand(freed), nullptr);
  EXPECT_FALSE(DispatchMenuCommand(freed));
  EXPECT_FALSE(DispatchMenuCommand(0));
}

TEST(MenuCommands, WmCommandFromAWindowClicksTheItem) {
  CommandWindow window;
  TPopupMenu menu(nullptr);
  TMenuItem* item = AddItem(menu.Items(), "Run");
  std::vector<TObject*> senders;
  item->SetOnClick([&](TObject* sender) { senders.push_back(sender); });

  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], item);
  EXPECT_EQ(window.Dispatched(), std::vector<UINT>{item->Command()});

  // A control's notification with the same number is not a menu command.
  SendMessageW(window.Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), BN_CLICKED),
               reinterpret_cast<LPARAM>(window.Handle()));
  EXPECT_EQ(senders.size(), 1u);
}

TEST(MenuCommands, AHandlerMayFreeItsOwnItem) {
  TPopupMenu menu(nullptr);
  TMenuItem* close = AddItem(menu.Items(), "Close");
  std::vector<std::string> log;
  close->SetOnClick([&log, close](TObject*) {
    delete close;
    log.push_back("freed");
  });
  const UINT id = close->Command();
  EXPECT_TRUE(DispatchMenuCommand(id));
  EXPECT_EQ(log, std::vector<std::string>{"freed"});
  EXPECT_EQ(menu.Items()->Count(), 0);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 0);
  EXPECT_FALSE(DispatchMenuCommand(id));
}

TEST(MenuCommands, ClickRunsAutoCheckThenOnClickOrTheAction) {
  struct Case {
    const char* Name;
    bool AutoCheck;
    bool Enabled;
    bool WithOnClick;
    bool WithAction;
    bool ExpectChecked;     // after one click, starting unchecked
    const char* ExpectRun;  // which handler ran: "click", "action" or ""
  };
  const Case cases[] = {
      {"plain OnClick", false, true, true, false, false, "click"},
      {"AutoCheck toggles", true, true, true, false, true, "click"},
      {"disabled does nothing", true, false, true, true, false, ""},
      {"action without OnClick", false, true, false, true, false, "action"},
      {"OnClick wins over the action", false, true, true, true, false, "click"},
      {"AutoCheck checks the action", true, true, false, true, true, "action"},
      {"nothing to run", false, true, false, false, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TComponent owner(nullptr);
    auto* action = new TAction(&owner);
    auto* item = new TMenuItem(&owner);
    std::string ran;
    if (c.WithAction) {
      action->SetOnExecute([&](TObject* sender) {
        EXPECT_EQ(sender, action);
        ran += "action";
      });
      item->SetAction(action);
    }
    if (c.WithOnClick) item->SetOnClick([&](TObject*) { ran += "click"; });
    item->SetAutoCheck(c.AutoCheck);
    if (!c.Enabled) (c.WithAction ? action->SetEnabled(false) : item->SetEnabled(false));
    item->Click();
    EXPECT_EQ(ran, c.ExpectRun);
    EXPECT_EQ(item->Checked(), c.ExpectChecked);
    if (c.WithAction) {
      EXPECT_EQ(action->Checked(), c.ExpectChecked);
    }
  }
}

TEST(MenuCommands, ItemFollowsItsAction) {
  TComponent owner(nullptr);
  auto* action = new TAction(&owner);
  action->SetCaption("&Bold");
  action->SetShortCut(TextToShortCut("Ctrl+B"));
  action->SetChecked(true);
  TPopupMenu menu(nullptr);
  TMenuItem* item = AddItem(menu.Items(), "placeholder");
  item->SetAction(action);
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).Text, L"&Bold\tCtrl+B");
  EXPECT_TRUE(ReadEntry(menu.Handle(), 0).State & MFS_CHECKED);

  action->SetEnabled(false);
  EXPECT_FALSE(item->Enabled());
  EXPECT_TRUE(ReadEntry(menu.Handle(), 0).State & MFS_DISABLED);
  action->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 0);
  action->SetVisible(true);
  action->SetCaption("&Heavy");
  EXPECT_EQ(ReadEntry(menu.Handle(), 0).Text, L"&Heavy\tCtrl+B");

  // Either side may go first.
  EXPECT_EQ(action->ClientCount(), 1);
  menu.Items()->Delete(0);
  EXPECT_EQ(action->ClientCount(), 0);
  TMenuItem* second = AddItem(menu.Items(), "x");
  second->SetAction(action);
  delete action;
  EXPECT_EQ(second->Action(), nullptr);
  EXPECT_EQ(second->Caption(), "&Heavy");  // keeps what it showed
  second->Click();                         // no action to run, no crash
}

TEST(MenuCommands, MenuBarOnAWindowDeliversRealCommands) {
  CommandWindow window;
  TMainMenu bar(nullptr);
  TMenuItem* file = AddItem(bar.Items(), "&File");
  TMenuItem* exit = AddItem(file, "E&xit");
  TMenuItem* go = AddItem(bar.Items(), "&Go");  // a command on the bar itself
  int goClicks = 0, exitClicks = 0;
  go->SetOnClick([&](TObject*) { ++goClicks; });
  exit->SetOnClick([&](TObject*) { ++exitClicks; });
  std::vector<bool> rebuilds;
  bar.SetOnChange([&](TObject* sender, TMenuItem* source, bool rebuild) {
    EXPECT_EQ(sender, &bar);
    EXPECT_NE(source, nullptr);
    rebuilds.push_back(rebuild);
  });

  bar.SetWindowHandle(window.Handle());
  ASSERT_EQ(GetMenu(window.Handle()), bar.Handle());
  EXPECT_EQ(EntryTexts(GetMenu(window.Handle())), L"&File|&Go");

  // Alt+G as the system sends it: the menu loop picks the bar's command item by its accelerator
  // and posts its WM_COMMAND to the window.
  SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 'g');
  window.Pump();
  EXPECT_EQ(goClicks, 1);
  EXPECT_EQ(window.Dispatched(), std::vector<UINT>{go->Command()});

  exit->SetCaption("&Quit");
  AddItem(file, "&Open");
  EXPECT_EQ(rebuilds, (std::vector<bool>{false, true}));
  EXPECT_EQ(EntryTexts(GetSubMenu(GetMenu(window.Handle()), 0)), L"&Quit|&Open");

  bar.SetWindowHandle(nullptr);
  EXPECT_EQ(GetMenu(window.Handle()), nullptr);
  EXPECT_TRUE(IsMenu(bar.Handle()));
  bar.SetWindowHandle(window.Handle());
}

TEST(MenuCommands, FreeingTheMainMenuTakesItOffItsWindow) {
  CommandWindow window;
  HMENU handle;
  {
    TMainMenu bar(nullptr);
    AddItem(AddItem(bar.Items(), "&File"), "E&xit");
    bar.SetWindowHandle(window.Handle());
    handle = bar.Handle();
  }
  EXPECT_EQ(GetMenu(window.Handle()), nullptr);
  EXPECT_FALSE(IsMenu(handle));
}
