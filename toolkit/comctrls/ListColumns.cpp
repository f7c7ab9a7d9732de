#include "ListColumns.h"

#include "CustomListView.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TListColumns) {}

TListColumns::TListColumns(TCustomListView& ListView)
    : TCollection(TListColumn::StaticClassInfo(), &ListView), FListView(ListView) {}

void TListColumns::Update(TCollectionItem* Item) { FListView.ColumnsChanged(static_cast<TListColumn*>(Item)); }
