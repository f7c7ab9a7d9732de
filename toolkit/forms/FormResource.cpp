#include "FormResource.h"

#include <windows.h>

#include <utility>

#include "Component.h"
#include "ComponentStateScope.h"
#include "Reader.h"
#include "TextEncoding.h"

namespace {

TFormResourceLoader& CurrentLoader() {
  static TFormResourceLoader loader;
  return loader;
}

std::optional<std::vector<uint8_t>> FromProgramResources(const std::string& ClassName) {
  HMODULE module = GetModuleHandleW(nullptr);
  std::string upper = ClassName;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  const std::wstring name = Utf8ToWide(upper);
  HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!info) return std::nullopt;
  HGLOBAL data = LoadResource(module, info);
  const auto* bytes = static_cast<const uint8_t*>(data ? LockResource(data) : nullptr);
  if (!bytes) return std::nullopt;
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(module, info));
}

}  // namespace

TFormResourceLoader SetFormResourceLoader(TFormResourceLoader Loader) {
  return std::exchange(CurrentLoader(), std::move(Loader));
}

std::optional<std::vector<uint8_t>> FindFormResource(const std::string& ClassName) {
  const TFormResourceLoader& loader = CurrentLoader();
  return loader ? loader(ClassName) : FromProgramResources(ClassName);
}

void InitInheritedComponent(TComponent& Root) {
  const std::optional<std::vector<uint8_t>> resource = FindFormResource(Root.ClassName());
  if (resource) ReadComponentResource(Root, *resource);
  else LoadedWithoutResource(Root);
}
