#pragma once
#include <windows.h>

#include <string>

#include "Set.h"

// The system message box. Flags are the MB_ flags; the result is the button's id (IDOK, IDCANCEL,
// IDYES...), whose numbers are also the toolkit's modal results. Owned by Owner, or by the active
// window when Owner is null. (Not named MessageBox: windows.h makes that a macro.)
int ShowMessageBox(const std::string& Text, const std::string& Caption, UINT Flags, HWND Owner = nullptr);

// The caption of ShowMessage and of MessageDlg's mtCustom boxes: the application's title. Until an
// application sets it, the program's file name without extension.
std::string MessageBoxTitle();
void SetMessageBoxTitle(const std::string& Title);

// Text with an OK button, captioned with MessageBoxTitle().
void ShowMessage(const std::string& Text);

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// A message box with the icon and caption ("Warning", "Error", "Information", "Confirm", or
// MessageBoxTitle() for mtCustom) of Type. Buttons must be a set the system's box offers: OK;
// OK, Cancel; Yes, No; Yes, No, Cancel; Retry, Cancel; Abort, Retry, Ignore (empty means OK);
// others raise std::invalid_argument before anything is shown. Returns the pressed button's id.
int MessageDlg(const std::string& Text, TMsgDlgType Type, TMsgDlgButtons Buttons, HWND Owner = nullptr);
