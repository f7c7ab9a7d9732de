#include "MenuCommands.h"

#include <unordered_map>

#include "MenuErrors.h"
#include "MenuItem.h"

namespace {

struct TCommandTable {
  std::unordered_map<UINT, TMenuItem*> Items;
  UINT Next = kFirstMenuCommand;
};

// One table for the process; menus live on the user-interface thread only.
TCommandTable& Table() {
  static TCommandTable table;
  return table;
}

}  // namespace

TMenuItem* FindMenuItemByCommand(UINT Command) {
  const auto& items = Table().Items;
  auto it = items.find(Command);
  return it == items.end() ? nullptr : it->second;
}

bool DispatchMenuCommand(UINT Command) {
  TMenuItem* item = FindMenuItemByCommand(Command);
  if (!item) return false;
  item->Click();
  return true;
}

UINT AllocateMenuCommand(TMenuItem* Item) {
  TCommandTable& table = Table();
  constexpr UINT kRange = kLastMenuCommand - kFirstMenuCommand + 1;
  if (table.Items.size() >= kRange) throw EMenuError("Too many menu items: every menu command id is in use");
  // Ids go round the range, so a freed id is not handed out again soon after: a WM_COMMAND still
  // queued for a deleted item then finds nothing rather than a new item.
  while (table.Items.count(table.Next)) table.Next = table.Next == kLastMenuCommand ? kFirstMenuCommand : table.Next + 1;
  const UINT id = table.Next;
  table.Next = id == kLastMenuCommand ? kFirstMenuCommand : id + 1;
  table.Items.emplace(id, Item);
  return id;
}

void ReleaseMenuCommand(UINT Command) { Table().Items.erase(Command); }
