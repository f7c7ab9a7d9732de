#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Set.h"

class IDesigner;
class TPersistent;
class TPropInfo;

// How the designer's property grid treats a property.
enum TPropertyAttribute {
  paValueList,      // a drop-down list of values
  paSubProperties,  // expands into its own properties
  paDialog,         // an ellipsis button that calls Edit
  paMultiSelect,    // shown when several components are selected
  paAutoUpdate,     // SetValue on every keystroke
  paSortList,       // the value list sorted
  paReadOnly,       // the text cannot be edited
  paRevertable,     // can be reverted to its inherited value
};
using TPropertyAttributes = TSet<TPropertyAttribute>;

// Edits one published property of the components selected in a form designer. The designer
// makes one editor per property shown, reads its text through GetValue, writes typed text through
// SetValue and calls Edit for the ellipsis button. Values are read from the first component and
// written to all of them, through the property's setter.
class TPropertyEditor {
public:
  // Components: the selection, at least one, each publishing Prop.
  TPropertyEditor(IDesigner* Designer, std::vector<TPersistent*> Components, const TPropInfo& Prop);
  virtual ~TPropertyEditor();
  TPropertyEditor(const TPropertyEditor&) = delete;
  TPropertyEditor& operator=(const TPropertyEditor&) = delete;

  // The ellipsis button or a double click. The base does nothing.
  virtual void Edit();
  // The base: {paRevertable}; paMultiSelect only where several values can be edited as one.
  virtual TPropertyAttributes GetAttributes() const;
  // The property's value as the grid shows it. The base writes any kind: text, numbers, value
  // names, sets as "[a,b]", a referenced component's name, "(TClassName)" for a sub-object.
  virtual std::string GetValue() const;
  // Text typed into the grid. The base ignores it.
  virtual void SetValue(const std::string& Value);

  int PropCount() const { return static_cast<int>(FComponents.size()); }
  TPersistent* GetComponent(int Index) const;  // EListError out of range
  const TPropInfo& GetPropInfo() const { return FProp; }
  const std::string& GetName() const;
  IDesigner* Designer() const { return FDesigner; }

  // Typed access: read from the first component, written to every one, then Modified().
  std::string GetStrValue() const;
  void SetStrValue(const std::string& Value);
  int64_t GetOrdValue() const;
  void SetOrdValue(int64_t Value);

  // Tells the designer the form changed.
  void Modified();

private:
  IDesigner* FDesigner;
  std::vector<TPersistent*> FComponents;
  const TPropInfo& FProp;
};

// Makes an editor of one class for a selection; registered with RegisterPropertyEditor.
using TPropertyEditorFactory =
    std::function<std::unique_ptr<TPropertyEditor>(IDesigner* Designer, std::vector<TPersistent*> Components, const TPropInfo& Prop)>;

// The factory of editor class E (which has TPropertyEditor's constructor).
template <class E>
TPropertyEditorFactory PropertyEditorFactory() {
  return [](IDesigner* Designer, std::vector<TPersistent*> Components, const TPropInfo& Prop) -> std::unique_ptr<TPropertyEditor> {
    return std::make_unique<E>(Designer, std::move(Components), Prop);
  };
}
