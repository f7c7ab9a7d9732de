#include "StatusPanels.h"

#include "Publisher.h"
#include "StatusBar.h"

VEXA_DEFINE_CLASS(TStatusPanels) {}

TStatusPanels::TStatusPanels(TStatusBar& StatusBar)
    : TCollection(TStatusPanel::StaticClassInfo(), &StatusBar), FStatusBar(StatusBar) {}

void TStatusPanels::Update(TCollectionItem* Item) { FStatusBar.PanelsChanged(static_cast<TStatusPanel*>(Item)); }
