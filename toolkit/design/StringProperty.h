#pragma once
#include "PropertyEditor.h"

// The editor of a text property: the text as shown, typed text stored through the setter, and
// editable for several selected components at once.
class TStringProperty : public TPropertyEditor {
public:
  using TPropertyEditor::TPropertyEditor;

  TPropertyAttributes GetAttributes() const override;
  std::string GetValue() const override;
  void SetValue(const std::string& Value) override;
};
