#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Persistent.h"
#include "Set.h"

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
  csLoading,     // between the start of reading the form resource and Loaded
  csReading,     // while the form resource's values are applied
  csWriting,     // while the component is being written
  csDestroying,  // from the start of the destructor on (see TComponent::Destroying)
  csDesigning,   // the component lives in a form designer
};
using TComponentState = TSet<TComponentStateItem>;

// A named object owned by another component. The owner frees its components in reverse creation
// order; a component deleted directly leaves its owner first.
//
// Notification: when a component joins or leaves an owner, the owner's Notification runs, and by
// default passes the news on to each of its other components. A component that refers to one of
// another owner calls FreeNotification on it and then hears opRemove when that one goes. A
// component announced by the base constructor (owner given at construction) is still being built:
// receivers may keep the pointer but see only a TComponent. Notification with opRemove must not
// raise: it runs from destructors.
//
// A class whose owned components use its own members calls DestroyComponents() first in its
// destructor, since the base destructor frees them after the derived parts are gone.
class TComponent : public TPersistent {
  VEXA_CLASS(TComponent, TPersistent)

public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const;  // EListError out of range
  int ComponentIndex() const;               // position in the owner's list, -1 without owner
  TComponent* FindComponent(std::string_view AName) const;  // ignoring case; null when none

  // Takes AComponent over (from its previous owner, if any) and announces it with opInsert.
  void InsertComponent(TComponent* AComponent);
  // Gives AComponent up to the caller, who then owns it, and announces it with opRemove.
  void RemoveComponent(TComponent* AComponent);
  // Frees every owned component, last first, without announcing them.
  void DestroyComponents();
  // The components written as this one's children in a form resource: the owned ones, in order.
  virtual void GetChildren(std::vector<TComponent*>& Children) const;

  const std::string& Name() const { return FName; }
  // An identifier, or empty; unique among the owner's components (ignoring case).
  virtual void SetName(const std::string& NewName);
  int32_t Tag() const { return FTag; }
  void SetTag(int32_t Value) { FTag = Value; }

  TComponentState ComponentState() const { return FComponentState; }
  // For a designer host: marks this component and, with SetChildren, all it owns; components
  // inserted later into a designing owner are marked too.
  void SetDesigning(bool Value, bool SetChildren = true);

  // Each of the two hears opRemove when the other is destroyed (components of different owners).
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  TPersistent* GetOwner() const override { return FOwner; }
  std::string GetNamePath() const override { return FName; }

protected:
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Runs once the form resource is read completely (or, without a resource, when a
  // TComponentLoadingScope finishes); clears csLoading. Overrides call the inherited version first.
  virtual void Loaded();
  // Raises EComponentError when NewName is taken by another of this owner's components.
  virtual void ValidateRename(const TComponent* AComponent, std::string_view CurName, std::string_view NewName) const;
  // Sets csDestroying on this component and everything it owns. The base destructor does it too,
  // but only after the derived parts are gone: a derived destructor calls it first thing, so that
  // what it triggers (notifications, window teardown) sees the component on its way out. Calling it
  // again does nothing.
  void Destroying();

private:
  friend class TReader;                 // calls Loaded
  friend class TComponentStateScope;    // sets the loading and writing states
  friend class TComponentLoadingScope;  // calls Loaded
  void SetStateFlag(TComponentStateItem Item, bool On);
  std::unique_ptr<TComponent> Extract(TComponent* AComponent);
  void DropFreeLink(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  std::vector<std::unique_ptr<TComponent>> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::string FName;
  int32_t FTag = 0;
  TComponentState FComponentState;
};
