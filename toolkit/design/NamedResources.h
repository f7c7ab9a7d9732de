#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A resource the toolkit finds by name and type, such as a palette icon ("tvexaengine", "PNG").
struct TNamedResource {
  std::string Name;
  std::string Type;
  std::vector<uint8_t> Bytes;
};

// A list of named resources. Names and types compare ignoring ASCII case.
class TNamedResources {
public:
  // A resource of the same name and type is replaced.
  void Add(TNamedResource Resource);
  void Add(std::string Name, std::string Type, std::vector<uint8_t> Bytes) {
    Add(TNamedResource{std::move(Name), std::move(Type), std::move(Bytes)});
  }
  // The resource of that name (and type, unless Type is empty), or null.
  const TNamedResource* Find(std::string_view Name, std::string_view Type = {}) const;
  int Count() const { return static_cast<int>(FItems.size()); }
  const TNamedResource& Items(int Index) const;  // EListError out of range

private:
  std::vector<TNamedResource> FItems;
};

// The toolkit's list, which units fill as they start (the designer reads palette icons from it).
TNamedResources& NamedResources();
