#pragma once
#include <vector>

#include "ActionClient.h"
#include "Component.h"
#include "NotifyEvent.h"

// A command that several controls can share: they run it through Execute and follow its changes.
class TBasicAction : public TComponent {
  VEXA_CLASS(TBasicAction, TComponent)

public:
  explicit TBasicAction(TComponent* AOwner);
  ~TBasicAction() override;

  const TNotifyEvent& OnExecute() const { return FOnExecute; }
  void SetOnExecute(TNotifyEvent Value) { FOnExecute = std::move(Value); }

  // Runs OnExecute with the action as sender; false when there is none.
  virtual bool Execute();

  void RegisterChanges(IActionClient* Client);
  void UnRegisterChanges(IActionClient* Client);
  int ClientCount() const { return static_cast<int>(FClients.size()); }

protected:
  // Tells every client that a property changed.
  void Change();

private:
  TNotifyEvent FOnExecute;
  std::vector<IActionClient*> FClients;
};
