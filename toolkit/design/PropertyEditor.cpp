#include "PropertyEditor.h"

#include "ClassesErrors.h"
#include "Component.h"
#include "Designer.h"
#include "PropertyApi.h"

TPropertyEditor::TPropertyEditor(IDesigner* Designer, std::vector<TPersistent*> Components, const TPropInfo& Prop)
    : FDesigner(Designer), FComponents(std::move(Components)), FProp(Prop) {
  if (FComponents.empty()) throw EListError("A property editor needs at least one component");
}

TPropertyEditor::~TPropertyEditor() = default;

void TPropertyEditor::Edit() {}

TPropertyAttributes TPropertyEditor::GetAttributes() const { return {paRevertable}; }

std::string TPropertyEditor::GetValue() const {
  const TObject* first = FComponents.front();
  switch (FProp.Kind()) {
    case tkString:
      return GetStrValue();
    case tkBoolean:
    case tkEnumeration:
      return GetEnumName(FProp.PropType(), GetOrdValue());
    case tkSet: {
      std::string text = "[";
      text += GetSetProp(first, FProp.Name());
      return text + "]";
    }
    case tkInteger:
    case tkColor:
      return std::to_string(GetOrdValue());
    case tkComponent: {
      const auto* component = dynamic_cast<const TComponent*>(GetObjectProp(first, FProp));
      return component ? component->Name() : std::string();
    }
    case tkClass: {
      const TObject* object = GetObjectProp(first, FProp);
      return object ? "(" + object->ClassName() + ")" : std::string();
    }
  }
  return {};
}

void TPropertyEditor::SetValue(const std::string&) {}

TPersistent* TPropertyEditor::GetComponent(int Index) const {
  if (Index < 0 || Index >= PropCount())
    throw EListError("Property editor component index " + std::to_string(Index) + " out of range");
  return FComponents[static_cast<size_t>(Index)];
}

const std::string& TPropertyEditor::GetName() const { return FProp.Name(); }

std::string TPropertyEditor::GetStrValue() const { return GetStrProp(FComponents.front(), FProp); }

void TPropertyEditor::SetStrValue(const std::string& Value) {
  for (TPersistent* component : FComponents) SetStrProp(component, FProp, Value);
  Modified();
}

int64_t TPropertyEditor::GetOrdValue() const { return GetOrdProp(FComponents.front(), FProp); }

void TPropertyEditor::SetOrdValue(int64_t Value) {
  for (TPersistent* component : FComponents) SetOrdProp(component, FProp, Value);
  Modified();
}

void TPropertyEditor::Modified() {
  if (FDesigner) FDesigner->Modified();
}
