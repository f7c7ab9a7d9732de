#include "Component.h"

#include <algorithm>

#include "ClassesErrors.h"
#include "Publisher.h"
#include "TextHelpers.h"

VEXA_DEFINE_CLASS(TComponent) {
  PUBLISHED(Name).Stored(false);  // a form resource keeps it in the component's header
  PUBLISHED(Tag).Default(0);
}

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  while (!FFreeNotifies.empty()) {
    TComponent* other = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    other->DropFreeLink(this);
    other->Notification(this, opRemove);
  }
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount())
    throw EListError("Component index " + std::to_string(Index) + " out of bounds (" + std::to_string(ComponentCount()) + " components)");
  return FComponents[static_cast<size_t>(Index)].get();
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  for (int i = 0; i < FOwner->ComponentCount(); ++i)
    if (FOwner->FComponents[static_cast<size_t>(i)].get() == this) return i;
  return -1;
}

TComponent* TComponent::FindComponent(std::string_view AName) const {
  if (AName.empty()) return nullptr;
  for (const auto& c : FComponents)
    if (SameText(c->FName, AName)) return c.get();
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner == this) return;
  for (const TComponent* c = this; c; c = c->FOwner)
    if (c == AComponent) throw EComponentError("Component " + AComponent->FName + " cannot own itself or its own owner");
  ValidateRename(AComponent, std::string_view(), AComponent->FName);
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  FComponents.emplace_back(AComponent);
  AComponent->FOwner = this;
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  try {
    Notification(AComponent, opInsert);
  } catch (...) {
    // Refused by a receiver: the component goes back to its creator (a failing constructor).
    (void)Extract(AComponent).release();
    throw;
  }
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  std::unique_ptr<TComponent> released = Extract(AComponent);
  if (!released) return;
  (void)released.release();  // the caller owns it now (or is its destructor)
  Notification(AComponent, opRemove);
}

std::unique_ptr<TComponent> TComponent::Extract(TComponent* AComponent) {
  auto it = std::find_if(FComponents.begin(), FComponents.end(), [&](const auto& c) { return c.get() == AComponent; });
  if (it == FComponents.end()) return nullptr;
  std::unique_ptr<TComponent> result = std::move(*it);
  FComponents.erase(it);
  result->FOwner = nullptr;
  return result;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    std::unique_ptr<TComponent> last = std::move(FComponents.back());
    FComponents.pop_back();
    last->FOwner = nullptr;
  }
}

void TComponent::GetChildren(std::vector<TComponent*>& Children) const {
  for (const auto& c : FComponents) Children.push_back(c.get());
}

void TComponent::SetName(const std::string& NewName) {
  if (NewName == FName) return;
  if (!NewName.empty() && !IsValidIdent(NewName)) throw EComponentError("\"" + NewName + "\" is not a valid component name");
  if (FOwner) FOwner->ValidateRename(this, FName, NewName);
  FName = NewName;
}

void TComponent::ValidateRename(const TComponent* AComponent, std::string_view CurName, std::string_view NewName) const {
  if (NewName.empty() || SameText(CurName, NewName)) return;
  const TComponent* existing = FindComponent(NewName);
  if (existing && existing != AComponent) {
    const std::string where = FName.empty() ? ClassName() : FName;
    throw EComponentError("A component named " + std::string(NewName) + " already exists in " + where);
  }
}

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  SetStateFlag(csDesigning, Value);
  if (SetChildren)
    for (const auto& c : FComponents) c->SetDesigning(Value, true);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (FOwner && AComponent->FOwner == FOwner) return;  // the shared owner reports removals already
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) != FFreeNotifies.end()) return;
  FFreeNotifies.push_back(AComponent);
  AComponent->FreeNotification(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  DropFreeLink(AComponent);
  AComponent->DropFreeLink(this);
}

void TComponent::DropFreeLink(TComponent* AComponent) {
  FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent), FFreeNotifies.end());
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove) RemoveFreeNotification(AComponent);
  // By index from the end, re-reading the list: a receiver may add or free components.
  for (size_t i = FComponents.size(); i-- > 0;) {
    if (i >= FComponents.size()) continue;
    TComponent* c = FComponents[i].get();
    if (c != AComponent) c->Notification(AComponent, Operation);
  }
}

void TComponent::Loaded() { SetStateFlag(csLoading, false); }

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (const auto& c : FComponents) c->Destroying();
}

void TComponent::SetStateFlag(TComponentStateItem Item, bool On) {
  if (On)
    FComponentState.Include(Item);
  else
    FComponentState.Exclude(Item);
}
