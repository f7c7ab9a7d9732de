#include "StringProperty.h"

TPropertyAttributes TStringProperty::GetAttributes() const { return {paMultiSelect, paRevertable}; }

std::string TStringProperty::GetValue() const { return GetStrValue(); }

void TStringProperty::SetValue(const std::string& Value) { SetStrValue(Value); }
