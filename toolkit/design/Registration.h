#pragma once
#include <initializer_list>
#include <string>

#include "PropertyEditor.h"
#include "RegistrationHost.h"

// What a design-time package calls to offer its components to a form designer. The calls go to
// the registration host the designer installed (TRegistrationHostScope); in a finished
// application there is none, and they do nothing: the registration procedures do not even run.

// A package names each unit that has a registration procedure; the host runs it.
void RegisterUnit(const std::string& UnitName, void (*Register)());
// Puts component classes on a page of the component palette, in the order given.
void RegisterComponents(const std::string& Page, std::initializer_list<const TClassInfo*> Classes);
// Gives properties of a type (by type name: "String", "TColor"...) an editor, optionally only for
// one component class (and its descendants) and one property name.
void RegisterPropertyEditor(const std::string& PropertyTypeName, const TClassInfo* ComponentClass,
                            const std::string& PropertyName, TPropertyEditorFactory Factory);

// The host registration calls go to, or null.
IRegistrationHost* CurrentRegistrationHost();

// Installs a host for the scope's lifetime (the previous one comes back after).
class TRegistrationHostScope {
public:
  explicit TRegistrationHostScope(IRegistrationHost* Host);
  ~TRegistrationHostScope();
  TRegistrationHostScope(const TRegistrationHostScope&) = delete;
  TRegistrationHostScope& operator=(const TRegistrationHostScope&) = delete;

private:
  IRegistrationHost* FPrevious;
};
