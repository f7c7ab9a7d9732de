#pragma once
// Declaring a toolkit class and its published properties.
//
// In the header, first thing in the class body:
//   class TButton : public TWinControl {
//     VEXA_CLASS(TButton, TWinControl)
//   public:
//     explicit TButton(TComponent* AOwner);
//     const std::string& Caption() const;   void SetCaption(const std::string& Value);
//     bool Default() const;                  void SetDefault(bool Value);
//     TFont* Font() const;                   void SetFont(TFont* Value);   // Assigns
//     ...
//   };
// In the .cpp, one line per published property, in declaration (and streaming) order:
//   VEXA_DEFINE_CLASS(TButton) {
//     PUBLISHED(Caption, "TCaption");        // a type name, when the C++ type alone is not the name
//     PUBLISHED(Default).Default(false);     // a default: the value is not stored when equal
//     PUBLISHED(Color, "TColor").Default(clBtnFace);
//     PUBLISHED(Align);                      // enumerations and sets declared with VEXA_ENUM / VEXA_SET
//     PUBLISHED(Font);                       // sub-objects are stored by their own properties
//     PUBLISHED_READONLY(Lines);             // a getter without a setter
//     PUBLISHED(Version).Stored(false);      // or .Stored(&TButton::IsVersionStored)
//     PUBLISHED(Menu, "TMainMenu");          // a reference under the name of a class this code
//   }                                        // need not know (see below)
// PUBLISHED(X) uses the getter X() and the setter SetX(v), so values set by name or read from a
// form resource run the setter's code. Getters return the value (or a const reference to it);
// supported values are integers, bool, enumerations, TSet<E>, std::string and pointers to toolkit
// objects (components are references, other objects owned sub-objects).
//
// A reference may also be a pointer to an interface (a polymorphic class that is not a toolkit
// object) which components implement; its type name is then required. Streaming stores the
// component by name and gives the setter the component cast to the interface; a component that
// does not implement it is refused. A type name on any object property names the class a
// designer and the reader ask for, once such a class is registered (TTypeInfo::ClassType).
//
// VEXA_DEFINE_CLASS also registers the class by name (FindClass) and gives it a factory when it is
// concrete and has a constructor of the form C(TComponent*), C(TCollection*) or C().
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

#include "ClassInfo.h"
#include "ClassesErrors.h"
#include "Component.h"
#include "PropInfo.h"
#include "Set.h"
#include "TypeInfo.h"

namespace publisher_detail {

template <class T>
struct TIsSet : std::false_type {};
template <class E>
struct TIsSet<TSet<E>> : std::true_type {};

template <class>
inline constexpr bool kUnsupported = false;

template <class V>
inline constexpr bool kIsOrdinal = std::is_integral_v<V> || std::is_enum_v<V> || TIsSet<V>::value;
template <class V>
inline constexpr bool kIsObject =
    std::is_pointer_v<V> && std::is_base_of_v<TObject, std::remove_cv_t<std::remove_pointer_t<V>>>;
// A pointer to an interface that components implement: polymorphic, but no toolkit object.
template <class V>
inline constexpr bool kIsInterface =
    std::is_pointer_v<V> && !kIsObject<V> && std::is_polymorphic_v<std::remove_cv_t<std::remove_pointer_t<V>>>;
template <class V>
inline constexpr bool kIsReference = kIsObject<V> || kIsInterface<V>;

template <class V>
const TTypeInfo& NaturalType() {
  if constexpr (std::is_same_v<V, bool>) {
    return BooleanTypeInfo();
  } else if constexpr (std::is_same_v<V, std::string>) {
    return StringTypeInfo();
  } else if constexpr (std::is_enum_v<V> || TIsSet<V>::value) {
    return TypeInfoFor(static_cast<const V*>(nullptr));
  } else if constexpr (std::is_integral_v<V>) {
    static_assert(!(std::is_unsigned_v<V> && sizeof(V) == 8), "unsigned 64-bit properties are not supported");
    if constexpr (sizeof(V) > 4) return Int64TypeInfo();
    else return IntegerTypeInfo();
  } else if constexpr (kIsObject<V>) {
    using T = std::remove_cv_t<std::remove_pointer_t<V>>;
    return ClassTypeInfo(&T::StaticClassInfo, std::is_base_of_v<TComponent, T> ? tkComponent : tkClass);
  } else if constexpr (kIsInterface<V>) {
    return ClassTypeInfo(&TComponent::StaticClassInfo, tkComponent);
  } else {
    static_assert(kUnsupported<V>,
                  "a published property holds an integer, bool, enumeration, TSet, std::string, or a pointer to a "
                  "toolkit object or to an interface components implement");
  }
}

template <class V>
int64_t ToOrd(const V& Value) {
  if constexpr (TIsSet<V>::value) return static_cast<int64_t>(Value.Bits());
  else return static_cast<int64_t>(Value);
}

template <class V>
V FromOrd(int64_t Value) {
  if constexpr (TIsSet<V>::value) return V::FromBits(static_cast<uint32_t>(Value));
  else if constexpr (std::is_same_v<V, bool>) return Value != 0;
  else return static_cast<V>(Value);
}

template <class V>
std::pair<int64_t, int64_t> OrdRange(const TTypeInfo& Type) {
  if constexpr (!kIsOrdinal<V>) {
    return {0, 0};
  } else if constexpr (std::is_same_v<V, bool>) {
    return {0, 1};
  } else if constexpr (TIsSet<V>::value) {
    return {0, static_cast<int64_t>((uint64_t{1} << Type.EnumNames().size()) - 1)};
  } else if constexpr (std::is_enum_v<V>) {
    if (Type.Kind() == tkEnumeration) return {0, static_cast<int64_t>(Type.EnumNames().size()) - 1};
    using U = std::underlying_type_t<V>;
    return {static_cast<int64_t>((std::numeric_limits<U>::min)()), static_cast<int64_t>((std::numeric_limits<U>::max)())};
  } else {
    return {static_cast<int64_t>((std::numeric_limits<V>::min)()), static_cast<int64_t>((std::numeric_limits<V>::max)())};
  }
}

// The getter and setter of one property of class C holding values of type V. Setter is
// std::nullptr_t for a read-only property.
template <class C, class V, class Getter, class Setter>
class TMemberAccess final : public TPropAccess {
public:
  TMemberAccess(Getter Get, Setter Set) : FGet(Get), FSet(Set) {}

  bool CanWrite() const override { return !kReadOnly; }

  int64_t GetOrd(const TObject& Instance) const override {
    if constexpr (kIsOrdinal<V>) return ToOrd<V>(Get(Instance));
    else ThrowPropertyKindMismatch();
  }
  void SetOrd(TObject& Instance, int64_t Value) const override {
    if constexpr (kIsOrdinal<V> && !kReadOnly) (static_cast<C&>(Instance).*FSet)(FromOrd<V>(Value));
    else ThrowPropertyKindMismatch();
  }
  std::string GetStr(const TObject& Instance) const override {
    if constexpr (std::is_same_v<V, std::string>) return Get(Instance);
    else ThrowPropertyKindMismatch();
  }
  void SetStr(TObject& Instance, const std::string& Value) const override {
    if constexpr (std::is_same_v<V, std::string> && !kReadOnly) (static_cast<C&>(Instance).*FSet)(Value);
    else ThrowPropertyKindMismatch();
  }
  TObject* GetObj(const TObject& Instance) const override {
    if constexpr (kIsObject<V>) {
      return const_cast<TObject*>(static_cast<const TObject*>(Get(Instance)));
    } else if constexpr (kIsInterface<V>) {
      const auto* value = Get(Instance);
      return value ? const_cast<TObject*>(dynamic_cast<const TObject*>(value)) : nullptr;
    } else {
      ThrowPropertyKindMismatch();
    }
  }
  void SetObj(TObject& Instance, TObject* Value) const override {
    if constexpr (kIsReference<V> && !kReadOnly) {
      auto* typed = dynamic_cast<V>(Value);
      if (Value && !typed) ThrowPropertyKindMismatch();
      (static_cast<C&>(Instance).*FSet)(typed);
    } else {
      ThrowPropertyKindMismatch();
    }
  }
  bool Accepts(const TObject* Value) const override {
    if constexpr (kIsReference<V>) return !Value || dynamic_cast<V>(const_cast<TObject*>(Value)) != nullptr;
    else return false;
  }

private:
  static constexpr bool kReadOnly = std::is_null_pointer_v<Setter>;
  decltype(auto) Get(const TObject& Instance) const { return (static_cast<const C&>(Instance).*FGet)(); }

  Getter FGet;
  Setter FSet;
};

}  // namespace publisher_detail

// Refines the property just declared: .Default(value), .Stored(false), .Stored(&C::IsXStored).
template <class C, class V>
class TPropBuilder {
public:
  explicit TPropBuilder(TPropInfo& Info) : FInfo(Info) {}

  TPropBuilder& Default(const V& Value) {
    if constexpr (publisher_detail::kIsOrdinal<V>) FInfo.SetOrdDefault(publisher_detail::ToOrd<V>(Value));
    else if constexpr (std::is_same_v<V, std::string>) FInfo.SetStrDefault(Value);
    else static_assert(publisher_detail::kUnsupported<V>, "object properties have no default");
    return *this;
  }
  TPropBuilder& Stored(bool Value) {
    FInfo.SetStored([Value](const TObject&) { return Value; });
    return *this;
  }
  template <class B>
  TPropBuilder& Stored(bool (B::*Rule)() const) {
    static_assert(std::is_base_of_v<B, C>);
    FInfo.SetStored([Rule](const TObject& Instance) { return (static_cast<const C&>(Instance).*Rule)(); });
    return *this;
  }

private:
  TPropInfo& FInfo;
};

// Collects the published properties of class C while its class info is built.
template <class C>
class TPublisher {
public:
  explicit TPublisher(TClassInfo& Target) : FTarget(Target) {}

  template <class R, class B, class S>
  auto Prop(std::string Name, R (B::*Get)() const, S Set, TTypeRef Type = {}) {
    return Add<std::remove_cvref_t<R>>(std::move(Name), Get, Set, Type);
  }
  template <class R, class B, class S>
  auto Prop(std::string Name, R (B::*Get)() const noexcept, S Set, TTypeRef Type = {}) {
    return Add<std::remove_cvref_t<R>>(std::move(Name), Get, Set, Type);
  }
  template <class R, class B>
  auto ReadOnly(std::string Name, R (B::*Get)() const, TTypeRef Type = {}) {
    return Add<std::remove_cvref_t<R>>(std::move(Name), Get, nullptr, Type);
  }
  template <class R, class B>
  auto ReadOnly(std::string Name, R (B::*Get)() const noexcept, TTypeRef Type = {}) {
    return Add<std::remove_cvref_t<R>>(std::move(Name), Get, nullptr, Type);
  }

private:
  template <class V, class Getter, class Setter>
  TPropBuilder<C, V> Add(std::string Name, Getter Get, Setter Set, const TTypeRef& Type) {
    using namespace publisher_detail;
    if constexpr (kIsInterface<V>)
      if (Type.Name().empty() && !Type.Info())
        throw EClassesError(FTarget.ClassName() + "." + Name + " holds an interface: declare its type name");
    const TTypeInfo& type = ResolvePropertyType(NaturalType<V>(), Type, FTarget.ClassName() + "." + Name);
    const auto [low, high] = OrdRange<V>(type);
    auto access = std::make_unique<TMemberAccess<C, V, Getter, Setter>>(Get, Set);
    auto info = std::make_unique<TPropInfo>(std::move(Name), type, std::move(access), FTarget, low, high);
    TPropInfo& result = *info;
    FTarget.AddProperty(std::move(info));
    return TPropBuilder<C, V>(result);
  }

  TClassInfo& FTarget;
};

// The factory VEXA_DEFINE_CLASS gives class C.
template <class C>
TClassInfo::TFactory ClassFactoryFor() {
  if constexpr (std::is_abstract_v<C>) {
    return nullptr;
  } else if constexpr (std::is_constructible_v<C, TComponent*>) {
    return [](const TCreateArgs& Args) -> std::unique_ptr<TObject> { return std::make_unique<C>(Args.Owner); };
  } else if constexpr (std::is_constructible_v<C, TCollection*>) {
    return [](const TCreateArgs& Args) -> std::unique_ptr<TObject> { return std::make_unique<C>(Args.Collection); };
  } else if constexpr (std::is_default_constructible_v<C>) {
    return [](const TCreateArgs&) -> std::unique_ptr<TObject> { return std::make_unique<C>(); };
  } else {
    return nullptr;
  }
}

#define VEXA_PP_CONCAT2(A, B) A##B
#define VEXA_PP_CONCAT(A, B) VEXA_PP_CONCAT2(A, B)

// Defines what VEXA_CLASS declared; the braces that follow list the published properties.
#define VEXA_DEFINE_CLASS(Cls)                                                                         \
  static_assert(std::is_same_v<Cls::Self, Cls>, #Cls " needs VEXA_CLASS in its class body");          \
  const ::TClassInfo& Cls::StaticClassInfo() {                                                         \
    static const ::TClassInfo info(#Cls, &Cls::inherited::StaticClassInfo(), ::ClassFactoryFor<Cls>(), \
                                   [](::TClassInfo& target) {                                          \
                                     ::TPublisher<Cls> publisher(target);                              \
                                     Cls::DeclarePublished(publisher);                                 \
                                   });                                                                 \
    return info;                                                                                       \
  }                                                                                                    \
  const ::TClassInfo& Cls::ClassInfo() const { return StaticClassInfo(); }                             \
  static const ::TClassRegistrar VEXA_PP_CONCAT(vexaClassRegistrar_, __LINE__){&Cls::StaticClassInfo}; \
  void Cls::DeclarePublished([[maybe_unused]] ::TPublisher<Cls>& published)

#define PUBLISHED(PropName, ...) \
  published.Prop(#PropName, &Self::PropName, &Self::Set##PropName __VA_OPT__(, ) __VA_ARGS__)
#define PUBLISHED_READONLY(PropName, ...) published.ReadOnly(#PropName, &Self::PropName __VA_OPT__(, ) __VA_ARGS__)
