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
