#pragma once
#include <memory>

#include "CustomEdit.h"
#include "MemoLines.h"
#include "StdCtrlsTypes.h"

// A multi-line edit. Lines is its text line by line, always in step with the window. ScrollBars
// and WordWrap change the window's styles, so changing them makes the window again (the text
// stays); with WordWrap the text wraps at the right edge and there is no horizontal scrolling.
class TMemo : public TCustomEdit {
  VEXA_CLASS(TMemo, TCustomEdit)

public:
  explicit TMemo(TComponent* AOwner);

  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* Value) { FLines->Assign(Value); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

protected:
  void CreateParams(TCreateParams& Params) const override;

private:
  std::unique_ptr<TMemoLines> FLines;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
};
