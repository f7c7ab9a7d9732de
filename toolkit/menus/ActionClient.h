#pragma once

class TBasicAction;

// What an action tells the objects that follow it (menu items, buttons).
class IActionClient {
public:
  // One of the action's properties changed: copy what the client shows.
  virtual void ActionChanged(TBasicAction* Sender) = 0;
  // The action is being destroyed: forget it (do not unregister; the action drops its list).
  virtual void ActionDestroyed(TBasicAction* Sender) = 0;

protected:
  ~IActionClient() = default;
};
