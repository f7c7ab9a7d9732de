#include "Registration.h"

#include <vector>

namespace {
IRegistrationHost*& Current() {
  static IRegistrationHost* host = nullptr;
  return host;
}
}  // namespace

IRegistrationHost* CurrentRegistrationHost() { return Current(); }

TRegistrationHostScope::TRegistrationHostScope(IRegistrationHost* Host) : FPrevious(Current()) { Current() = Host; }

TRegistrationHostScope::~TRegistrationHostScope() { Current() = FPrevious; }

void RegisterUnit(const std::string& UnitName, void (*Register)()) {
  if (IRegistrationHost* host = Current(); host && Register) host->RegisterUnit(UnitName, Register);
}

void RegisterComponents(const std::string& Page, std::initializer_list<const TClassInfo*> Classes) {
  if (IRegistrationHost* host = Current()) host->RegisterComponents(Page, std::vector<const TClassInfo*>(Classes));
}

void RegisterPropertyEditor(const std::string& PropertyTypeName, const TClassInfo* ComponentClass,
                            const std::string& PropertyName, TPropertyEditorFactory Factory) {
  if (IRegistrationHost* host = Current())
    host->RegisterPropertyEditor({PropertyTypeName, ComponentClass, PropertyName, std::move(Factory)});
}
