#include "PropInfo.h"

#include "ClassesErrors.h"

void ThrowPropertyKindMismatch() { throw EPropertyError("Property accessed as the wrong kind"); }

TPropInfo::TPropInfo(std::string Name, const TTypeInfo& Type, std::unique_ptr<TPropAccess> Access,
                     const TClassInfo& DeclaringClass, int64_t MinValue, int64_t MaxValue)
    : FName(std::move(Name)), FType(Type), FAccess(std::move(Access)), FDeclaringClass(DeclaringClass),
      FMinValue(MinValue), FMaxValue(MaxValue) {}
