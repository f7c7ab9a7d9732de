#include "FormResource.h"

#include <windows.h>

#include <utility>

#include "Component.h"
#include "Reader.h"
#include "StreamFormat.h"
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

// The resource of a root with no stored values: reading it only runs the loading protocol.
std::vector<uint8_t> EmptyResource(const std::string& ClassName) {
  std::vector<uint8_t> bytes(kFormSignature.begin(), kFormSignature.end());
  bytes.push_back(static_cast<uint8_t>(ClassName.size()));
  bytes.insert(bytes.end(), ClassName.begin(), ClassName.end());
  bytes.push_back(0);  // unnamed
  bytes.push_back(vaNull);  // no properties
  bytes.push_back(vaNull);  // no children
  return bytes;
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
  ReadComponentResource(Root, resource ? *resource : EmptyResource(Root.ClassName()));
}
