#include "PropertyApi.h"

#include "ClassesErrors.h"
#include "Object.h"
#include "TextHelpers.h"

namespace {

const TObject& Require(const TObject* Instance) {
  if (!Instance) throw EPropertyError("Property access on a nil object");
  return *Instance;
}

const TPropInfo& RequireProp(const TObject* Instance, std::string_view PropName) {
  const TPropInfo* prop = GetPropInfo(&Require(Instance), PropName);
  if (!prop) throw EPropertyError(Instance->ClassName() + " has no published property \"" + std::string(PropName) + "\"");
  return *prop;
}

std::string Describe(const TPropInfo& Prop) { return "Property " + Prop.DeclaringClass().ClassName() + "." + Prop.Name(); }

void RequireKind(const TPropInfo& Prop, bool Fits, const char* Wanted) {
  if (!Fits) throw EPropertyError(Describe(Prop) + " is of type " + Prop.PropType().Name() + ", not " + Wanted);
}

void RequireWritable(const TPropInfo& Prop) {
  if (!Prop.IsWritable()) throw EPropertyError(Describe(Prop) + " is read-only");
}

bool IsObjectKind(TTypeKind Kind) { return Kind == tkComponent || Kind == tkClass; }

std::string_view Trim(std::string_view Text) {
  while (!Text.empty() && static_cast<unsigned char>(Text.front()) <= ' ') Text.remove_prefix(1);
  while (!Text.empty() && static_cast<unsigned char>(Text.back()) <= ' ') Text.remove_suffix(1);
  return Text;
}

}  // namespace

const TPropInfo* GetPropInfo(const TClassInfo& Class, std::string_view PropName) { return Class.FindProperty(PropName); }

const TPropInfo* GetPropInfo(const TObject* Instance, std::string_view PropName) {
  return Instance ? Instance->ClassInfo().FindProperty(PropName) : nullptr;
}

const std::vector<const TPropInfo*>& GetPropList(const TObject* Instance) { return Require(Instance).ClassInfo().Properties(); }

bool HasPublishedProperty(const TObject* Instance, std::string_view PropName) {
  return GetPropInfo(Instance, PropName) != nullptr;
}

int64_t GetOrdProp(const TObject* Instance, const TPropInfo& Prop) {
  RequireKind(Prop, Prop.PropType().IsOrdinal(), "an ordinal");
  return Prop.Access().GetOrd(Require(Instance));
}

int64_t GetOrdProp(const TObject* Instance, std::string_view PropName) {
  return GetOrdProp(Instance, RequireProp(Instance, PropName));
}

void SetOrdProp(TObject* Instance, const TPropInfo& Prop, int64_t Value) {
  RequireKind(Prop, Prop.PropType().IsOrdinal(), "an ordinal");
  RequireWritable(Prop);
  if (Value < Prop.MinValue() || Value > Prop.MaxValue())
    throw EPropertyError(Describe(Prop) + ": value " + std::to_string(Value) + " is out of range for " + Prop.PropType().Name());
  Prop.Access().SetOrd(const_cast<TObject&>(Require(Instance)), Value);
}

void SetOrdProp(TObject* Instance, std::string_view PropName, int64_t Value) {
  SetOrdProp(Instance, RequireProp(Instance, PropName), Value);
}

std::string GetStrProp(const TObject* Instance, const TPropInfo& Prop) {
  RequireKind(Prop, Prop.Kind() == tkString, "a string");
  return Prop.Access().GetStr(Require(Instance));
}

std::string GetStrProp(const TObject* Instance, std::string_view PropName) {
  return GetStrProp(Instance, RequireProp(Instance, PropName));
}

void SetStrProp(TObject* Instance, const TPropInfo& Prop, const std::string& Value) {
  RequireKind(Prop, Prop.Kind() == tkString, "a string");
  RequireWritable(Prop);
  Prop.Access().SetStr(const_cast<TObject&>(Require(Instance)), Value);
}

void SetStrProp(TObject* Instance, std::string_view PropName, const std::string& Value) {
  SetStrProp(Instance, RequireProp(Instance, PropName), Value);
}

std::string GetEnumProp(const TObject* Instance, std::string_view PropName) {
  const TPropInfo& prop = RequireProp(Instance, PropName);
  RequireKind(prop, prop.Kind() == tkEnumeration || prop.Kind() == tkBoolean, "an enumeration");
  return GetEnumName(prop.PropType(), GetOrdProp(Instance, prop));
}

void SetEnumProp(TObject* Instance, std::string_view PropName, std::string_view Value) {
  const TPropInfo& prop = RequireProp(Instance, PropName);
  RequireKind(prop, prop.Kind() == tkEnumeration || prop.Kind() == tkBoolean, "an enumeration");
  const int value = GetEnumValue(prop.PropType(), Value);
  if (value < 0) throw EPropertyError(Describe(prop) + ": \"" + std::string(Value) + "\" is not a value of " + prop.PropType().Name());
  SetOrdProp(Instance, prop, value);
}

std::string GetSetProp(const TObject* Instance, std::string_view PropName) {
  const TPropInfo& prop = RequireProp(Instance, PropName);
  RequireKind(prop, prop.Kind() == tkSet, "a set");
  const auto bits = static_cast<uint64_t>(GetOrdProp(Instance, prop));
  const auto& names = prop.PropType().EnumNames();
  std::string result;
  for (size_t i = 0; i < names.size(); ++i)
    if (bits & (uint64_t{1} << i)) result += (result.empty() ? "" : ",") + names[i];
  return result;
}

void SetSetProp(TObject* Instance, std::string_view PropName, std::string_view Value) {
  const TPropInfo& prop = RequireProp(Instance, PropName);
  RequireKind(prop, prop.Kind() == tkSet, "a set");
  Value = Trim(Value);
  if (!Value.empty() && Value.front() == '[' && Value.back() == ']') Value = Trim(Value.substr(1, Value.size() - 2));
  int64_t bits = 0;
  while (!Value.empty()) {
    const size_t comma = Value.find(',');
    const std::string_view name = Trim(Value.substr(0, comma));
    const int element = GetEnumValue(*prop.PropType().ElementType(), name);
    if (element < 0) throw EPropertyError(Describe(prop) + ": \"" + std::string(name) + "\" is not a value of " + prop.PropType().Name());
    bits |= int64_t{1} << element;
    Value = comma == std::string_view::npos ? std::string_view() : Value.substr(comma + 1);
  }
  SetOrdProp(Instance, prop, bits);
}

TObject* GetObjectProp(const TObject* Instance, const TPropInfo& Prop) {
  RequireKind(Prop, IsObjectKind(Prop.Kind()), "an object");
  return Prop.Access().GetObj(Require(Instance));
}

TObject* GetObjectProp(const TObject* Instance, std::string_view PropName) {
  return GetObjectProp(Instance, RequireProp(Instance, PropName));
}

void SetObjectProp(TObject* Instance, const TPropInfo& Prop, TObject* Value) {
  RequireKind(Prop, IsObjectKind(Prop.Kind()), "an object");
  RequireWritable(Prop);
  if (Value && (!Value->InheritsFrom(*Prop.PropType().ClassType()) || !Prop.Access().Accepts(Value)))
    throw EPropertyError(Describe(Prop) + " takes a " + Prop.PropType().Name() + ", not a " + Value->ClassName());
  Prop.Access().SetObj(const_cast<TObject&>(Require(Instance)), Value);
}

void SetObjectProp(TObject* Instance, std::string_view PropName, TObject* Value) {
  SetObjectProp(Instance, RequireProp(Instance, PropName), Value);
}

std::string GetEnumName(const TTypeInfo& Type, int64_t Value) {
  const auto& names = Type.EnumNames();
  if (Type.Kind() == tkSet || Value < 0 || Value >= static_cast<int64_t>(names.size()))
    throw EPropertyError("Value " + std::to_string(Value) + " is not a value of " + Type.Name());
  return names[static_cast<size_t>(Value)];
}

int GetEnumValue(const TTypeInfo& Type, std::string_view Name) {
  const auto& names = Type.EnumNames();
  for (size_t i = 0; i < names.size(); ++i)
    if (SameText(names[i], Name)) return static_cast<int>(i);
  return -1;
}

bool IsDefaultPropValue(const TObject* Instance, const TPropInfo& Prop) {
  const TObject& instance = Require(Instance);
  if (Prop.PropType().IsOrdinal()) return Prop.OrdDefault() && Prop.Access().GetOrd(instance) == *Prop.OrdDefault();
  if (Prop.Kind() == tkString) return Prop.Access().GetStr(instance) == Prop.StrDefault();
  if (Prop.Kind() == tkComponent) return Prop.Access().GetObj(instance) == nullptr;
  return false;
}
