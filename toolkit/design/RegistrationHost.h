#pragma once
#include <string>
#include <vector>

#include "PropertyEditor.h"

class TClassInfo;

// One RegisterPropertyEditor call: Factory edits properties of type TypeName (ignoring case) of
// ComponentClass and its descendants (null: any class), named PropertyName (empty: any name).
struct TPropertyEditorRegistration {
  std::string TypeName;
  const TClassInfo* ComponentClass = nullptr;
  std::string PropertyName;
  TPropertyEditorFactory Factory;
};

// The designer side of the registration calls (Registration.h): a form designer installs one
// while it loads a package; without one the calls do nothing.
class IRegistrationHost {
public:
  // Runs the unit's registration procedure, knowing which unit registers what it registers.
  virtual void RegisterUnit(const std::string& UnitName, void (*Register)()) = 0;
  virtual void RegisterComponents(const std::string& Page, const std::vector<const TClassInfo*>& Classes) = 0;
  virtual void RegisterPropertyEditor(TPropertyEditorRegistration Registration) = 0;

protected:
  ~IRegistrationHost() = default;
};
