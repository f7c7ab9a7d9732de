#include "ComponentStateScope.h"

TComponentStateScope::TComponentStateScope(TComponent& Root, TComponentState Flags) : FFlags(Flags) {
  Collect(Root);
  for (TComponent* c : FComponents) c->FComponentState = c->FComponentState + Flags;
}

TComponentStateScope::~TComponentStateScope() {
  for (TComponent* c : FComponents) c->FComponentState = c->FComponentState - FFlags;
}

void TComponentStateScope::Clear(TComponentStateItem Flag) {
  for (TComponent* c : FComponents) c->SetStateFlag(Flag, false);
}

void TComponentStateScope::Collect(TComponent& Component) {
  for (int i = 0; i < Component.ComponentCount(); ++i) Collect(*Component.Components(i));
  FComponents.push_back(&Component);
}
