#include "NamedResources.h"

#include "ClassesErrors.h"
#include "TextHelpers.h"

void TNamedResources::Add(TNamedResource Resource) {
  for (TNamedResource& item : FItems) {
    if (SameText(item.Name, Resource.Name) && SameText(item.Type, Resource.Type)) {
      item = std::move(Resource);
      return;
    }
  }
  FItems.push_back(std::move(Resource));
}

const TNamedResource* TNamedResources::Find(std::string_view Name, std::string_view Type) const {
  for (const TNamedResource& item : FItems)
    if (SameText(item.Name, Name) && (Type.empty() || SameText(item.Type, Type))) return &item;
  return nullptr;
}

const TNamedResource& TNamedResources::Items(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EListError("Resource index " + std::to_string(Index) + " out of range (" + std::to_string(Count()) + " resources)");
  return FItems[static_cast<size_t>(Index)];
}

TNamedResources& NamedResources() {
  static TNamedResources resources;
  return resources;
}
