#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "TypeInfo.h"

class TObject;
class TClassInfo;

// Reads and writes one property of an object through its class's getter and setter, so a value set
// by name runs the same code as a call of the setter. Only the functions of the property's kind
// are used (PropertyApi.h checks the kind first).
class TPropAccess {
public:
  virtual ~TPropAccess() = default;
  virtual bool CanWrite() const = 0;
  virtual int64_t GetOrd(const TObject& Instance) const = 0;
  virtual void SetOrd(TObject& Instance, int64_t Value) const = 0;
  virtual std::string GetStr(const TObject& Instance) const = 0;
  virtual void SetStr(TObject& Instance, const std::string& Value) const = 0;
  virtual TObject* GetObj(const TObject& Instance) const = 0;
  virtual void SetObj(TObject& Instance, TObject* Value) const = 0;
  // Object kinds: whether SetObj would take Value (null always fits). The class check of the
  // property's type comes first; this one catches what a class cannot tell, such as a property
  // holding an interface that not every component of the class implements.
  virtual bool Accepts(const TObject* Value) const {
    (void)Value;
    return true;
  }
};

// Raised by an accessor used against its kind; PropertyApi.h never lets that happen.
[[noreturn]] void ThrowPropertyKindMismatch();

// One published property: name, type, accessor, default and "stored" rule. Ordinal values (integers,
// booleans, enumerations, sets as bit masks, colours) travel as int64_t within [MinValue, MaxValue].
class TPropInfo {
public:
  TPropInfo(std::string Name, const TTypeInfo& Type, std::unique_ptr<TPropAccess> Access,
            const TClassInfo& DeclaringClass, int64_t MinValue, int64_t MaxValue);

  const std::string& Name() const { return FName; }
  const TTypeInfo& PropType() const { return FType; }
  TTypeKind Kind() const { return FType.Kind(); }
  const TClassInfo& DeclaringClass() const { return FDeclaringClass; }
  const TPropAccess& Access() const { return *FAccess; }
  bool IsWritable() const { return FAccess->CanWrite(); }
  int64_t MinValue() const { return FMinValue; }
  int64_t MaxValue() const { return FMaxValue; }

  // An ordinal property without a declared default is always stored; a string property is stored
  // when it differs from its default (empty unless declared).
  const std::optional<int64_t>& OrdDefault() const { return FOrdDefault; }
  const std::string& StrDefault() const { return FStrDefault; }
  bool IsStored(const TObject& Instance) const { return !FStored || FStored(Instance); }

  // Used while a class declares its properties.
  void SetOrdDefault(int64_t Value) { FOrdDefault = Value; }
  void SetStrDefault(std::string Value) { FStrDefault = std::move(Value); }
  void SetStored(std::function<bool(const TObject&)> Rule) { FStored = std::move(Rule); }

private:
  std::string FName;
  const TTypeInfo& FType;
  std::unique_ptr<TPropAccess> FAccess;
  const TClassInfo& FDeclaringClass;
  int64_t FMinValue, FMaxValue;
  std::optional<int64_t> FOrdDefault;
  std::string FStrDefault;
  std::function<bool(const TObject&)> FStored;
};
