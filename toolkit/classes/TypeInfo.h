#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "Set.h"

class TClassInfo;

// What a published property holds, as streaming and a designer see it.
enum TTypeKind {
  tkInteger,      // whole number ("Integer", "Int64" or an alias)
  tkBoolean,      // "Boolean"
  tkEnumeration,  // one of a named list of values
  tkSet,          // a set of an enumeration's values
  tkColor,        // a colour number ("TColor")
  tkString,       // text ("String", "TCaption", ...)
  tkComponent,    // a reference to a component, stored by name
  tkClass,        // an owned sub-object (a font, a string list, a collection), stored by its own values
};

// The type of a published property: its name as a designer shows it ("TBorderStyle", "TColor",
// "Boolean"...), its kind and, for enumerations and sets, the value names. Type infos live for the
// whole program and are shared by every property of that type.
class TTypeInfo {
public:
  using TClassGetter = const TClassInfo& (*)();

  TTypeInfo(std::string Name, TTypeKind Kind, std::vector<std::string> EnumNames = {},
            const TTypeInfo* ElementType = nullptr, TClassGetter ClassGetter = nullptr);
  TTypeInfo(const TTypeInfo&) = delete;
  TTypeInfo& operator=(const TTypeInfo&) = delete;

  // For class kinds, the type name the property declared ("TMainMenu"), or else the class's name.
  const std::string& Name() const;
  TTypeKind Kind() const { return FKind; }
  bool IsOrdinal() const;
  // Enumeration: its values in order; Boolean: False, True; set: the values of its element type.
  const std::vector<std::string>& EnumNames() const;
  const TTypeInfo* ElementType() const { return FElementType; }  // sets only
  // Component and class kinds only: the class a value must be of. A declared type name counts
  // once a class of that name is registered and derives from the class the C++ type guarantees;
  // until then (or when the program has no such class) the guaranteed class is used.
  const TClassInfo* ClassType() const;
  // Component and class kinds only: the class the C++ type of the property guarantees.
  TClassGetter BaseClass() const { return FClassGetter; }

private:
  std::string FName;
  TTypeKind FKind;
  std::vector<std::string> FEnumNames;
  const TTypeInfo* FElementType;
  TClassGetter FClassGetter;  // read late: class infos may still be under construction
};

// A type named where a property is declared: nothing (the C++ type decides), a name ("TCaption",
// "TColor"), or a type info.
class TTypeRef {
public:
  TTypeRef() = default;
  TTypeRef(const char* Name) : FName(Name) {}
  TTypeRef(const TTypeInfo& Info) : FInfo(&Info) {}
  std::string_view Name() const { return FName; }
  const TTypeInfo* Info() const { return FInfo; }

private:
  std::string_view FName;
  const TTypeInfo* FInfo = nullptr;
};

const TTypeInfo& IntegerTypeInfo();  // "Integer", 32-bit
const TTypeInfo& Int64TypeInfo();    // "Int64"
const TTypeInfo& BooleanTypeInfo();  // "Boolean"
const TTypeInfo& StringTypeInfo();   // "String"
const TTypeInfo& ColorTypeInfo();    // "TColor"

// The named types (built-ins, enumerations, sets and aliases); names ignore case.
const TTypeInfo* LookupTypeInfo(std::string_view Name);
// Names is the comma-separated list of value identifiers, as VEXA_ENUM spells it.
const TTypeInfo& RegisterEnumType(std::string_view Name, std::string_view Names);
const TTypeInfo& RegisterSetType(std::string_view Name, const TTypeInfo& Element);
// The type of properties that hold a Class object: tkComponent or tkClass.
const TTypeInfo& ClassTypeInfo(TTypeInfo::TClassGetter Class, TTypeKind Kind);
// The same under a declared type name: a property whose getter returns a TComponent* (or an
// interface a component implements) declared as "TMainMenu" holds a TMainMenu as far as streaming
// and designers see, without the declaring code having to know that class.
const TTypeInfo& NamedClassTypeInfo(TTypeInfo::TClassGetter Class, TTypeKind Kind, std::string_view TypeName);

// The type of a property whose C++ type gives Natural and whose declaration names Declared: an
// unknown name becomes an alias of Natural (for class kinds, a NamedClassTypeInfo); a known one
// must fit (an integer may be a TColor).
// Where names the property in the error raised otherwise.
const TTypeInfo& ResolvePropertyType(const TTypeInfo& Natural, const TTypeRef& Declared, std::string_view Where);

// Published enumerations and sets find their type info through TypeInfoFor, looked up by argument
// type. VEXA_ENUM declares an enumeration with its value names in one step:
//   VEXA_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient)
// VEXA_ENUM_TYPEINFO names the values of an enumeration declared elsewhere (values 0, 1, 2...).
// VEXA_SET declares the set type of an enumeration: VEXA_SET(TAnchors, TAnchorKind)
void TypeInfoFor(const void*) = delete;  // a published enumeration or set without a type info

#define VEXA_ENUM_TYPEINFO(Name, ...)                                                        \
  inline const ::TTypeInfo& TypeInfoFor(const Name*) {                                       \
    static const ::TTypeInfo& vexaTypeInfo = ::RegisterEnumType(#Name, #__VA_ARGS__);       \
    return vexaTypeInfo;                                                                     \
  }

#define VEXA_ENUM(Name, ...)   \
  enum Name { __VA_ARGS__ };   \
  VEXA_ENUM_TYPEINFO(Name, __VA_ARGS__)

#define VEXA_SET(Name, Element)                                                                      \
  using Name = ::TSet<Element>;                                                                      \
  inline const ::TTypeInfo& TypeInfoFor(const Name*) {                                               \
    static const ::TTypeInfo& vexaTypeInfo =                                                         \
        ::RegisterSetType(#Name, TypeInfoFor(static_cast<const Element*>(nullptr)));                 \
    return vexaTypeInfo;                                                                             \
  }
