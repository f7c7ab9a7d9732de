#pragma once
// Published properties by name: lookup, enumeration and typed access through the class's getters
// and setters. Names ignore ASCII case. Functions that take a property name raise EPropertyError
// when the object has no such property; every accessor raises it when the property is of another
// kind, read-only, or given a value outside its type.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "PropInfo.h"
#include "TypeInfo.h"

class TObject;
class TClassInfo;

const TPropInfo* GetPropInfo(const TClassInfo& Class, std::string_view PropName);  // null when none
const TPropInfo* GetPropInfo(const TObject* Instance, std::string_view PropName);  // null when none
// Every published property, the ancestors' first, in declaration order.
const std::vector<const TPropInfo*>& GetPropList(const TObject* Instance);
// True when Instance's class or one of its ancestors publishes PropName.
bool HasPublishedProperty(const TObject* Instance, std::string_view PropName);

// Ordinal kinds: integers, booleans (0, 1), enumerations (0..n-1), sets (bit i = value i), colours.
int64_t GetOrdProp(const TObject* Instance, const TPropInfo& Prop);
int64_t GetOrdProp(const TObject* Instance, std::string_view PropName);
void SetOrdProp(TObject* Instance, const TPropInfo& Prop, int64_t Value);
void SetOrdProp(TObject* Instance, std::string_view PropName, int64_t Value);

std::string GetStrProp(const TObject* Instance, const TPropInfo& Prop);
std::string GetStrProp(const TObject* Instance, std::string_view PropName);
void SetStrProp(TObject* Instance, const TPropInfo& Prop, const std::string& Value);
void SetStrProp(TObject* Instance, std::string_view PropName, const std::string& Value);

// Enumerations and booleans by value name ("alClient", "True").
std::string GetEnumProp(const TObject* Instance, std::string_view PropName);
void SetEnumProp(TObject* Instance, std::string_view PropName, std::string_view Value);
// Sets as comma-separated value names ("akLeft,akTop"); brackets and spaces are accepted on input.
std::string GetSetProp(const TObject* Instance, std::string_view PropName);
void SetSetProp(TObject* Instance, std::string_view PropName, std::string_view Value);

// Component references and sub-objects.
TObject* GetObjectProp(const TObject* Instance, const TPropInfo& Prop);
TObject* GetObjectProp(const TObject* Instance, std::string_view PropName);
void SetObjectProp(TObject* Instance, const TPropInfo& Prop, TObject* Value);
void SetObjectProp(TObject* Instance, std::string_view PropName, TObject* Value);

// The name of value Value of an enumeration (or boolean) type; EPropertyError out of range.
std::string GetEnumName(const TTypeInfo& Type, int64_t Value);
// The value named Name (ignoring case), or -1.
int GetEnumValue(const TTypeInfo& Type, std::string_view Name);

// True when the property holds its declared default: it is then not stored.
bool IsDefaultPropValue(const TObject* Instance, const TPropInfo& Prop);
