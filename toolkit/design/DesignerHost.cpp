#include "DesignerHost.h"

#include "ClassInfo.h"
#include "Persistent.h"
#include "PropertyApi.h"
#include "Registration.h"
#include "StringProperty.h"
#include "TextHelpers.h"

namespace {

int Depth(const TClassInfo* Class) {
  int depth = 0;
  for (; Class; Class = Class->ClassParent()) ++depth;
  return depth;
}

bool Fits(const TPropertyEditorRegistration& Registration, const TClassInfo& Class, const TPropInfo& Prop) {
  return SameText(Registration.TypeName, Prop.PropType().Name()) &&
         (!Registration.ComponentClass || Class.InheritsFrom(*Registration.ComponentClass)) &&
         (Registration.PropertyName.empty() || SameText(Registration.PropertyName, Prop.Name()));
}

}  // namespace

void TDesignerHost::LoadPackage(const std::string& PackageName, void (*Register)()) {
  FLog.push_back("package " + PackageName);
  TRegistrationHostScope scope(this);
  if (Register) Register();
}

void TDesignerHost::RegisterUnit(const std::string& UnitName, void (*Register)()) {
  FLog.push_back("unit " + UnitName);
  FUnits.push_back(UnitName);
  Register();
}

void TDesignerHost::RegisterComponents(const std::string& Page, const std::vector<const TClassInfo*>& Classes) {
  for (const TClassInfo* Class : Classes) {
    if (!Class) continue;
    FLog.push_back("component " + Page + " " + Class->ClassName());
    FPalette.push_back({Page, Class});
  }
}

void TDesignerHost::RegisterPropertyEditor(TPropertyEditorRegistration Registration) {
  FLog.push_back("editor " + Registration.TypeName + " " +
                 (Registration.ComponentClass ? Registration.ComponentClass->ClassName() : std::string("*")) + "." +
                 (Registration.PropertyName.empty() ? std::string("*") : Registration.PropertyName));
  FEditors.push_back(std::move(Registration));
}

std::vector<std::string> TDesignerHost::Pages() const {
  std::vector<std::string> pages;
  for (const TPaletteEntry& entry : FPalette) {
    bool known = false;
    for (const std::string& page : pages) known = known || SameText(page, entry.Page);
    if (!known) pages.push_back(entry.Page);
  }
  return pages;
}

std::vector<const TClassInfo*> TDesignerHost::PageClasses(std::string_view Page) const {
  std::vector<const TClassInfo*> classes;
  for (const TPaletteEntry& entry : FPalette)
    if (SameText(entry.Page, Page)) classes.push_back(entry.Class);
  return classes;
}

const TClassInfo* TDesignerHost::FindComponentClass(std::string_view ClassName) const {
  for (const TPaletteEntry& entry : FPalette)
    if (SameText(entry.Class->ClassName(), ClassName)) return entry.Class;
  return nullptr;
}

std::unique_ptr<TPropertyEditor> TDesignerHost::CreateEditor(std::vector<TPersistent*> Selection,
                                                             std::string_view PropertyName) {
  if (Selection.empty() || !Selection.front()) return nullptr;
  const TClassInfo& Class = Selection.front()->ClassInfo();
  const TPropInfo* prop = GetPropInfo(Class, PropertyName);
  if (!prop) return nullptr;

  const TPropertyEditorRegistration* best = nullptr;
  std::pair<int, int> bestRank{-1, -1};
  for (const TPropertyEditorRegistration& registration : FEditors) {
    if (!Fits(registration, Class, *prop)) continue;
    const std::pair<int, int> rank{registration.PropertyName.empty() ? 0 : 1, Depth(registration.ComponentClass)};
    if (rank >= bestRank) {  // ">=": the later of two equal fits wins
      best = &registration;
      bestRank = rank;
    }
  }
  if (best) return best->Factory(this, std::move(Selection), *prop);
  if (prop->Kind() == tkString) return std::make_unique<TStringProperty>(this, std::move(Selection), *prop);
  return std::make_unique<TPropertyEditor>(this, std::move(Selection), *prop);
}

bool TDesignerHost::EditProperty(TPersistent* Component, std::string_view PropertyName) {
  std::unique_ptr<TPropertyEditor> editor = CreateEditor({Component}, PropertyName);
  if (!editor || !editor->GetAttributes().Contains(paDialog)) return false;
  editor->Edit();
  return true;
}
