#include "ClassInfo.h"

#include <algorithm>
#include <map>

#include "ClassesErrors.h"
#include "Object.h"
#include "PropInfo.h"
#include "TextHelpers.h"

namespace {

std::map<std::string, const TClassInfo*, std::less<>>& Registry() {
  static std::map<std::string, const TClassInfo*, std::less<>> registry;
  return registry;
}

}  // namespace

TClassInfo::TClassInfo(std::string Name, const TClassInfo* Parent, TFactory Factory, TDeclare Declare)
    : FName(std::move(Name)), FParent(Parent), FFactory(Factory) {
  if (Declare) Declare(*this);
  if (FParent) FAllProps = FParent->FAllProps;
  for (const auto& own : FOwnProps) {
    auto inherited = std::find_if(FAllProps.begin(), FAllProps.end(),
                                  [&](const TPropInfo* p) { return SameText(p->Name(), own->Name()); });
    if (inherited != FAllProps.end())
      *inherited = own.get();
    else
      FAllProps.push_back(own.get());
  }
}

TClassInfo::~TClassInfo() = default;

bool TClassInfo::InheritsFrom(const TClassInfo& Class) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    if (c == &Class) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view ClassName) const {
  for (const TClassInfo* c = this; c; c = c->FParent)
    if (SameText(c->FName, ClassName)) return true;
  return false;
}

std::unique_ptr<TObject> TClassInfo::NewInstance(const TCreateArgs& Args) const {
  if (!FFactory) throw EClassesError("Cannot create an instance of " + FName + ": the class is abstract or has no suitable constructor");
  return FFactory(Args);
}

const TPropInfo* TClassInfo::FindProperty(std::string_view Name) const {
  for (const TPropInfo* p : FAllProps)
    if (SameText(p->Name(), Name)) return p;
  return nullptr;
}

void TClassInfo::AddProperty(std::unique_ptr<TPropInfo> Prop) {
  for (const auto& own : FOwnProps)
    if (SameText(own->Name(), Prop->Name())) throw EClassesError(FName + " publishes " + Prop->Name() + " twice");
  FOwnProps.push_back(std::move(Prop));
}

void RegisterClassInfo(const TClassInfo& Class) {
  auto [it, added] = Registry().emplace(LowerCase(Class.ClassName()), &Class);
  if (!added && it->second != &Class) throw EClassesError("Two classes are registered under the name " + Class.ClassName());
}

const TClassInfo* GetClass(std::string_view ClassName) {
  auto it = Registry().find(LowerCase(ClassName));
  return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo& FindClass(std::string_view ClassName) {
  if (const TClassInfo* found = GetClass(ClassName)) return *found;
  throw EClassNotFound("Class " + std::string(ClassName) + " not found");
}
