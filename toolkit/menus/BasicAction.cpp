#include "BasicAction.h"

#include <algorithm>

#include "ControlTypes.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TBasicAction) {}

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
  // Clients are told before the list goes, so none of them calls back into a dead action.
  std::vector<IActionClient*> clients;
  clients.swap(FClients);
  for (IActionClient* client : clients) client->ActionDestroyed(this);
}

bool TBasicAction::Execute() {
  if (!FOnExecute) return false;
  CallEvent(FOnExecute, this);
  return true;
}

void TBasicAction::RegisterChanges(IActionClient* Client) {
  if (Client && std::find(FClients.begin(), FClients.end(), Client) == FClients.end()) FClients.push_back(Client);
}

void TBasicAction::UnRegisterChanges(IActionClient* Client) {
  FClients.erase(std::remove(FClients.begin(), FClients.end(), Client), FClients.end());
}

void TBasicAction::Change() {
  // A copy: a client may unregister (or register another) while it follows the change.
  const std::vector<IActionClient*> clients = FClients;
  for (IActionClient* client : clients)
    if (std::find(FClients.begin(), FClients.end(), client) != FClients.end()) client->ActionChanged(this);
}
