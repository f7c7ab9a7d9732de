#pragma once
#include <memory>

#include "CommonDialog.h"
#include "Set.h"
#include "TColor.h"
#include "TypeInfo.h"

class TStrings;
class TStringList;

// cdFullOpen shows the custom-colour part at once, cdPreventFullOpen hides its button,
// cdSolidColor and cdAnyColor are the CC_ flags of the same names.
VEXA_ENUM(TColorDialogOption, cdFullOpen, cdPreventFullOpen, cdSolidColor, cdAnyColor)
VEXA_SET(TColorDialogOptions, TColorDialogOption)

// The system's colour picker.
//
// CustomColors keeps the dialog's 16 custom colours as "ColorA=BBGGRR" to "ColorP=BBGGRR" lines:
// the name is the slot, the value the colour number in six hex digits, blue first (0000FF is
// red), as TColor holds it. A missing or unreadable slot opens white. An accepted dialog writes
// all 16 lines back (other lines stay); a cancelled one changes nothing.
class TColorDialog : public TCommonDialog {
  VEXA_CLASS(TColorDialog, TCommonDialog)

public:
  explicit TColorDialog(TComponent* AOwner);
  ~TColorDialog() override;

  // Shown when the dialog opens (system colours resolved), the chosen colour afterwards.
  TColor Color() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }
  TStrings* CustomColors() const;
  void SetCustomColors(TStrings* Value);  // copies the lines
  TColorDialogOptions Options() const { return FOptions; }
  void SetOptions(TColorDialogOptions Value) { FOptions = Value; }

protected:
  bool DoExecute(HWND Owner) override;

private:
  TColor FColor = clBlack;
  std::unique_ptr<TStringList> FCustomColors;
  TColorDialogOptions FOptions;
};
