#pragma once
#include <vector>

#include "Component.h"

// Sets state flags (csLoading, csReading, csWriting) on a root and every component it owns while a
// resource is read or written, and clears them again on every way out.
class TComponentStateScope {
public:
  TComponentStateScope(TComponent& Root, TComponentState Flags);
  ~TComponentStateScope();
  TComponentStateScope(const TComponentStateScope&) = delete;
  TComponentStateScope& operator=(const TComponentStateScope&) = delete;

  // Each component after the components it owns: the root comes last.
  const std::vector<TComponent*>& Components() const { return FComponents; }
  // Clears one of the flags on all of them before the scope ends.
  void Clear(TComponentStateItem Flag);

private:
  void Collect(TComponent& Component);
  std::vector<TComponent*> FComponents;
  TComponentState FFlags;
};

// The loading protocol of a form resource, for a root that has none (or whose values come from
// code): csLoading on the root and every component it owns from construction of the scope, then
// Finish calls Loaded on each of them, each after the components it owns, so the root comes last,
// exactly as the reader does after applying a resource. Components created after the scope began
// are not part of it. When the scope ends without Finish (an exception on the way), csLoading is
// cleared and Loaded is not called.
class TComponentLoadingScope {
public:
  explicit TComponentLoadingScope(TComponent& Root);
  TComponentLoadingScope(const TComponentLoadingScope&) = delete;
  TComponentLoadingScope& operator=(const TComponentLoadingScope&) = delete;

  // The components that are loading, in the order Finish calls Loaded.
  const std::vector<TComponent*>& Components() const { return FState.Components(); }
  // Calls Loaded on every component once; later calls do nothing. An exception from one Loaded
  // ends the calls there and clears csLoading on the rest.
  void Finish();

private:
  TComponentStateScope FState;
  bool FFinished = false;
};

// Runs the loading protocol on Root without a resource: TComponentLoadingScope, then Finish.
void LoadedWithoutResource(TComponent& Root);
