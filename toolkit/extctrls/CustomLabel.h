#pragma once
#include "Application.h"
#include "ExtCtrlsTypes.h"
#include "GraphicControl.h"

class TWinControl;

// Text on a form, painted by its parent. "&" before a character underlines it (ShowAccelChar);
// "&&" is a literal ampersand. With a FocusControl, Alt and that character moves the keyboard
// focus to FocusControl while the label's form is active.
//
// AutoSize (the default) fits the label to its text whenever the caption, the font, WordWrap or
// ShowAccelChar change: to one line of text, or, with WordWrap, to the wrapped text's height at the
// present width. A right-justified label keeps its right edge.
class TCustomLabel : public TGraphicControl {
  VEXA_CLASS(TCustomLabel, TGraphicControl)

public:
  explicit TCustomLabel(TComponent* AOwner);
  ~TCustomLabel() override;

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // False: the label's Color is not painted, so the parent shows between the letters.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);

  // The character after a single "&" of the caption, upper-cased; 0 when none.
  char AccelChar() const;

  void WndProc(TMessage& Message) override;

protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The DT_ flags the caption is drawn and measured with.
  UINT TextFlags() const;
  // Fits the bounds to the text when AutoSize.
  void AdjustBounds();

private:
  void HandleAccelKey(WORD& Key, TShiftState Shift);

  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
  TKeyDownHandlerId FKeyHandler = 0;
};
