#pragma once
#include <memory>
#include <string>

#include "CommonDialog.h"
#include "Set.h"
#include "TypeInfo.h"

class TStrings;
class TStringList;

// The options of a file dialog; each is the OFN_ flag of the same meaning. ofReadOnly is also set
// by the dialog (the read-only box), ofExtensionDifferent only by the dialog.
VEXA_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofNoValidate,
          ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
          ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoDereferenceLinks,
          ofEnableSizing, ofDontAddToRecent, ofForceShowHidden)
VEXA_SET(TOpenOptions, TOpenOption)

// The system's (explorer-style) dialog for choosing files to open. Text is UTF-8.
class TOpenDialog : public TCommonDialog {
  VEXA_CLASS(TOpenDialog, TCommonDialog)

public:
  explicit TOpenDialog(TComponent* AOwner);
  ~TOpenDialog() override;

  // Shown in the name box when the dialog opens; the chosen file (the first one) afterwards.
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  // Every chosen file with its full path (one unless ofAllowMultiSelect); filled by Execute.
  TStrings* Files() const;
  // "Description|pattern|Description|pattern;pattern", see FileFilterToNative.
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& Value) { FFilter = Value; }
  // The filter shown first, counted from 1; the one the user had at the end afterwards.
  int32_t FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int32_t Value) { FFilterIndex = Value; }
  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
  // Added (without a dot) to a name typed without extension.
  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
  // The dialog's caption; empty gives the system's ("Open").
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value) { FTitle = Value; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions Value) { FOptions = Value; }

protected:
  bool DoExecute(HWND Owner) override;

private:
  std::string FFileName;
  std::unique_ptr<TStringList> FFiles;
  std::string FFilter;
  int32_t FFilterIndex = 1;
  std::string FInitialDir;
  std::string FDefaultExt;
  std::string FTitle;
  TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
};
