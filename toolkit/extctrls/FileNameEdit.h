#pragma once
#include <functional>
#include <memory>
#include <string>

#include "CustomControl.h"
#include "FormTypes.h"

class TInnerEdit;
class TOpenDialog;
class TSpeedButton;

using TAcceptFileNameEvent = std::function<void(TObject* Sender, std::string& Value, bool& Accept)>;

// An edit for a file name with a browse button (23 pixels wide, at the right of the client area)
// that opens the system's open dialog on the present name; a file chosen there replaces the text
// once OnAcceptFileName (which may change or refuse it) agrees. The text part is a native edit
// (Edit), the button a speed button (Button); both follow the control's Font, Color and Enabled.
// The keyboard focus goes to the text part; the control gets CM_ENTER and CM_EXIT (and runs
// OnEnter and OnExit) when the focus comes to and leaves it.
class TFileNameEdit : public TCustomControl {
  VEXA_CLASS(TFileNameEdit, TCustomControl)

public:
  static constexpr int kButtonWidth = 23;

  explicit TFileNameEdit(TComponent* AOwner);
  ~TFileNameEdit() override;

  std::string FileName() const;
  void SetFileName(const std::string& Value);
  // The open dialog's settings (see TOpenDialog).
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& Value) { FFilter = Value; }
  int FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int Value) { FFilterIndex = Value; }
  // Empty: the folder of the present file name.
  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
  const std::string& DialogTitle() const { return FDialogTitle; }
  void SetDialogTitle(const std::string& Value) { FDialogTitle = Value; }
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  TInnerEdit* Edit() const { return FEdit; }
  TSpeedButton* Button() const { return FButton; }

  // What the browse button does: shows the dialog and takes the chosen file.
  void DoButtonClick();

  const TAcceptFileNameEvent& OnAcceptFileName() const { return FOnAcceptFileName; }
  void SetOnAcceptFileName(TAcceptFileNameEvent Value) { FOnAcceptFileName = std::move(Value); }
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
  std::string GetText() const override;

private:
  TInnerEdit* FEdit;      // a child control: freed with this control's children
  TSpeedButton* FButton;  // likewise
  std::unique_ptr<TOpenDialog> FDialog;
  std::string FFilter;
  int FFilterIndex = 1;
  std::string FInitialDir;
  std::string FDefaultExt;
  std::string FDialogTitle;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  TAcceptFileNameEvent FOnAcceptFileName;
  TNotifyEvent FOnChange;
};
