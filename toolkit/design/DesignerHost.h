#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Designer.h"
#include "PropertyEditor.h"
#include "RegistrationHost.h"

class TClassInfo;
class TPersistent;

// A form designer reduced to what design-time packages talk to, kept in memory: it loads a
// package (runs its registration with itself as host), records what was registered and in which
// order, makes property editors for a selection the way a designer's property grid would, and
// counts the "modified" notices the editors send. Tests and tools use it in place of a designer.
class TDesignerHost : public IRegistrationHost, public IDesigner {
public:
  TDesignerHost() = default;
  TDesignerHost(const TDesignerHost&) = delete;
  TDesignerHost& operator=(const TDesignerHost&) = delete;

  // Runs a package's registration procedure (which calls RegisterUnit for its units) with this
  // host installed.
  void LoadPackage(const std::string& PackageName, void (*Register)());

  // What was registered. Log() lists the calls in order: "package P", "unit U",
  // "editor Type Class.Property" (Class "*" for any, Property "*" for any), "component Page Class".
  const std::vector<std::string>& Log() const { return FLog; }
  const std::vector<std::string>& Units() const { return FUnits; }
  // The palette pages in the order they were first named, and the classes on one page.
  std::vector<std::string> Pages() const;
  std::vector<const TClassInfo*> PageClasses(std::string_view Page) const;
  const TClassInfo* FindComponentClass(std::string_view ClassName) const;

  // The editor for property PropertyName of the selection (every component must publish it): the
  // registration that fits most closely (a named property before any name, a derived class before
  // its ancestors, a later registration before an earlier one), else the standard editor of the
  // property's kind. Null when the first component has no such property.
  std::unique_ptr<TPropertyEditor> CreateEditor(std::vector<TPersistent*> Selection, std::string_view PropertyName);
  // What a click on the property's ellipsis button does: Edit of its editor. False when the
  // component has no such property or its editor has no dialog (paDialog).
  bool EditProperty(TPersistent* Component, std::string_view PropertyName);

  // IDesigner
  void Modified() override { ++FModifiedCount; }
  int ModifiedCount() const { return FModifiedCount; }

  // IRegistrationHost
  void RegisterUnit(const std::string& UnitName, void (*Register)()) override;
  void RegisterComponents(const std::string& Page, const std::vector<const TClassInfo*>& Classes) override;
  void RegisterPropertyEditor(TPropertyEditorRegistration Registration) override;

private:
  struct TPaletteEntry {
    std::string Page;
    const TClassInfo* Class;
  };
  std::vector<std::string> FLog;
  std::vector<std::string> FUnits;
  std::vector<TPaletteEntry> FPalette;
  std::vector<TPropertyEditorRegistration> FEditors;
  int FModifiedCount = 0;
};
