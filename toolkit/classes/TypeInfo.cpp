#include "TypeInfo.h"

#include <map>
#include <memory>
#include <tuple>

#include "ClassInfo.h"
#include "ClassesErrors.h"
#include "TextHelpers.h"

namespace {

struct TTypeRegistry {
  std::map<std::string, std::unique_ptr<TTypeInfo>, std::less<>> Named;  // by lower-case name
  std::map<TTypeInfo::TClassGetter, std::unique_ptr<TTypeInfo>> Classes[2];  // component, class
  // Declared class type names, by class, kind and lower-case name.
  std::map<std::tuple<TTypeInfo::TClassGetter, TTypeKind, std::string>, std::unique_ptr<TTypeInfo>> NamedClasses;

  TTypeRegistry() {
    Add(std::make_unique<TTypeInfo>("Integer", tkInteger));
    Add(std::make_unique<TTypeInfo>("Int64", tkInteger));
    Add(std::make_unique<TTypeInfo>("Boolean", tkBoolean, std::vector<std::string>{"False", "True"}));
    Add(std::make_unique<TTypeInfo>("String", tkString));
    Add(std::make_unique<TTypeInfo>("TColor", tkColor));
  }
  const TTypeInfo& Add(std::unique_ptr<TTypeInfo> Info) {
    const TTypeInfo& result = *Info;
    Named.emplace(LowerCase(Info->Name()), std::move(Info));
    return result;
  }
  const TTypeInfo& Get(std::string_view Name) const { return *Named.find(LowerCase(Name))->second; }
};

TTypeRegistry& Registry() {
  static TTypeRegistry registry;
  return registry;
}

std::string_view Trim(std::string_view Text) {
  while (!Text.empty() && (Text.front() == ' ' || Text.front() == '\t' || Text.front() == '\n')) Text.remove_prefix(1);
  while (!Text.empty() && (Text.back() == ' ' || Text.back() == '\t' || Text.back() == '\n')) Text.remove_suffix(1);
  return Text;
}

bool SameShape(const TTypeInfo& A, const TTypeInfo& B) {
  return A.Kind() == B.Kind() && A.EnumNames() == B.EnumNames() && A.ClassType() == B.ClassType();
}

// A property whose C++ type gives Natural may be declared with type Declared.
bool Fits(const TTypeInfo& Natural, const TTypeInfo& Declared) {
  if (&Natural == &Declared) return true;
  if (Natural.Kind() == tkInteger) return Declared.Kind() == tkInteger || Declared.Kind() == tkColor;
  return SameShape(Natural, Declared);
}

}  // namespace

TTypeInfo::TTypeInfo(std::string Name, TTypeKind Kind, std::vector<std::string> EnumNames,
                     const TTypeInfo* ElementType, TClassGetter ClassGetter)
    : FName(std::move(Name)), FKind(Kind), FEnumNames(std::move(EnumNames)), FElementType(ElementType),
      FClassGetter(ClassGetter) {}

const std::string& TTypeInfo::Name() const { return FClassGetter && FName.empty() ? FClassGetter().ClassName() : FName; }

bool TTypeInfo::IsOrdinal() const {
  return FKind == tkInteger || FKind == tkBoolean || FKind == tkEnumeration || FKind == tkSet || FKind == tkColor;
}

const std::vector<std::string>& TTypeInfo::EnumNames() const {
  return FElementType ? FElementType->EnumNames() : FEnumNames;
}

const TClassInfo* TTypeInfo::ClassType() const {
  if (!FClassGetter) return nullptr;
  const TClassInfo& base = FClassGetter();
  // Looked up at each use: the named class may be registered after this type was made, or never.
  if (!FName.empty())
    if (const TClassInfo* named = GetClass(FName); named && named->InheritsFrom(base)) return named;
  return &base;
}

const TTypeInfo& IntegerTypeInfo() { return Registry().Get("Integer"); }
const TTypeInfo& Int64TypeInfo() { return Registry().Get("Int64"); }
const TTypeInfo& BooleanTypeInfo() { return Registry().Get("Boolean"); }
const TTypeInfo& StringTypeInfo() { return Registry().Get("String"); }
const TTypeInfo& ColorTypeInfo() { return Registry().Get("TColor"); }

const TTypeInfo* LookupTypeInfo(std::string_view Name) {
  auto& named = Registry().Named;
  auto it = named.find(LowerCase(Name));
  return it == named.end() ? nullptr : it->second.get();
}

const TTypeInfo& RegisterEnumType(std::string_view Name, std::string_view Names) {
  std::vector<std::string> values;
  while (true) {
    const size_t comma = Names.find(',');
    const std::string_view value = Trim(Names.substr(0, comma));
    if (!IsValidIdent(value))
      throw EClassesError("Enumeration " + std::string(Name) + ": \"" + std::string(value) + "\" is not a plain value name");
    values.emplace_back(value);
    if (comma == std::string_view::npos) break;
    Names.remove_prefix(comma + 1);
  }
  auto info = std::make_unique<TTypeInfo>(std::string(Name), tkEnumeration, std::move(values));
  if (const TTypeInfo* known = LookupTypeInfo(Name)) {
    if (SameShape(*known, *info)) return *known;
    throw EClassesError("Two different types are named " + std::string(Name));
  }
  return Registry().Add(std::move(info));
}

const TTypeInfo& RegisterSetType(std::string_view Name, const TTypeInfo& Element) {
  if (Element.Kind() != tkEnumeration || Element.EnumNames().size() > 32)
    throw EClassesError("Set " + std::string(Name) + " needs an enumeration of at most 32 values");
  auto info = std::make_unique<TTypeInfo>(std::string(Name), tkSet, std::vector<std::string>{}, &Element);
  if (const TTypeInfo* known = LookupTypeInfo(Name)) {
    if (SameShape(*known, *info)) return *known;
    throw EClassesError("Two different types are named " + std::string(Name));
  }
  return Registry().Add(std::move(info));
}

const TTypeInfo& ClassTypeInfo(TTypeInfo::TClassGetter Class, TTypeKind Kind) {
  auto& table = Registry().Classes[Kind == tkComponent ? 0 : 1];
  auto& slot = table[Class];
  if (!slot) slot = std::make_unique<TTypeInfo>(std::string(), Kind, std::vector<std::string>{}, nullptr, Class);
  return *slot;
}

const TTypeInfo& NamedClassTypeInfo(TTypeInfo::TClassGetter Class, TTypeKind Kind, std::string_view TypeName) {
  if (Kind != tkComponent && Kind != tkClass) throw EClassesError("Only component and class types take a class type name");
  if (!IsValidIdent(TypeName)) throw EClassesError("\"" + std::string(TypeName) + "\" is not a valid type name");
  auto& slot = Registry().NamedClasses[{Class, Kind, LowerCase(TypeName)}];
  if (!slot) slot = std::make_unique<TTypeInfo>(std::string(TypeName), Kind, std::vector<std::string>{}, nullptr, Class);
  return *slot;
}

const TTypeInfo& ResolvePropertyType(const TTypeInfo& Natural, const TTypeRef& Declared, std::string_view Where) {
  const TTypeInfo* declared = Declared.Info();
  if (!declared && !Declared.Name().empty()) {
    if (Natural.ClassType() && SameText(Declared.Name(), Natural.Name())) return Natural;
    declared = LookupTypeInfo(Declared.Name());
    if (!declared) {
      if (!IsValidIdent(Declared.Name()))
        throw EClassesError(std::string(Where) + " cannot be of type " + std::string(Declared.Name()));
      if (Natural.BaseClass()) return NamedClassTypeInfo(Natural.BaseClass(), Natural.Kind(), Declared.Name());
      // A new name for the natural type, such as TCaption for a string.
      return Registry().Add(std::make_unique<TTypeInfo>(std::string(Declared.Name()), Natural.Kind(),
                                                        Natural.ElementType() ? std::vector<std::string>{} : Natural.EnumNames(),
                                                        Natural.ElementType()));
    }
  }
  if (!declared) return Natural;
  if (!Fits(Natural, *declared))
    throw EClassesError(std::string(Where) + " cannot be of type " + declared->Name() + ": its value is a " + Natural.Name());
  return *declared;
}
