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

TComponentLoadingScope::TComponentLoadingScope(TComponent& Root) : FState(Root, {csLoading}) {}

void TComponentLoadingScope::Finish() {
  if (FFinished) return;
  FFinished = true;
  for (TComponent* component : FState.Components()) component->Loaded();
}

void LoadedWithoutResource(TComponent& Root) {
  TComponentLoadingScope loading(Root);
  loading.Finish();
}
