#pragma once
#include <functional>

#include "Collection.h"
#include "StatusPanel.h"

class TStatusBar;

// The panels of a status bar; every change of the list or of a panel is shown by the bar.
class TStatusPanels : public TCollection {
  VEXA_CLASS(TStatusPanels, TCollection)

public:
  explicit TStatusPanels(TStatusBar& StatusBar);

  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* Items(int Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }

protected:
  void Update(TCollectionItem* Item) override;

private:
  TStatusBar& FStatusBar;
};
