#include "FileNameEdit.h"

#include "ControlMessages.h"
#include "InnerEdit.h"
#include "OpenDialog.h"
#include "Publisher.h"
#include "SpeedButton.h"

VEXA_DEFINE_CLASS(TFileNameEdit) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(BorderStyle).Default(TBorderStyle::bsSingle);
  PUBLISHED(Color, "TColor").Default(clWindow).Stored(&TControl::IsColorStored);
  PUBLISHED(Constraints);
  PUBLISHED(DefaultExt);
  PUBLISHED(DialogTitle);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(FileName);
  PUBLISHED(Filter);
  PUBLISHED(FilterIndex).Default(1);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(InitialDir);
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(Visible).Default(true);
}

TFileNameEdit::TFileNameEdit(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
  FButton = new TSpeedButton(nullptr);
  FButton->SetWidth(kButtonWidth);
  FButton->SetCaption("...");
  FButton->SetAlign(alRight);
  FButton->SetParent(this);
  FButton->SetOnClick([this](TObject*) { DoButtonClick(); });
  FEdit = new TInnerEdit(nullptr);
  FEdit->SetParentColor(true);
  FEdit->SetAlign(alClient);
  FEdit->SetParent(this);
  FEdit->SetOnChange([this](TObject*) { CallEvent(FOnChange, this); });
  // The focus is the text part's; the control tells of it as its own.
  FEdit->SetOnEnter([this](TObject*) { Perform(CM_ENTER); });
  FEdit->SetOnExit([this](TObject*) { Perform(CM_EXIT); });
}

TFileNameEdit::~TFileNameEdit() {
  // The children outlive this part of the object (the base destructor frees them): they must not
  // call back into it, and their windows go now, before the dialog.
  FButton->SetOnClick(nullptr);
  FEdit->SetOnChange(nullptr);
  FEdit->SetOnEnter(nullptr);
  FEdit->SetOnExit(nullptr);
  MarkDestroying();
  DestroyHandle();
}

std::string TFileNameEdit::FileName() const { return FEdit->Text(); }

void TFileNameEdit::SetFileName(const std::string& Value) { FEdit->SetText(Value); }

std::string TFileNameEdit::GetText() const { return FEdit->Text(); }

void TFileNameEdit::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TFileNameEdit::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  if (FBorderStyle == TBorderStyle::bsSingle) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TFileNameEdit::DoButtonClick() {
  if (!FDialog) FDialog = std::make_unique<TOpenDialog>(nullptr);
  const std::string current = FileName();
  std::string folder = FInitialDir;
  if (folder.empty()) {
    const size_t slash = current.find_last_of("\\/");
    if (slash != std::string::npos) folder = current.substr(0, slash);
  }
  FDialog->SetFileName(current);
  FDialog->SetFilter(FFilter);
  FDialog->SetFilterIndex(FFilterIndex);
  FDialog->SetInitialDir(folder);
  FDialog->SetDefaultExt(FDefaultExt);
  FDialog->SetTitle(FDialogTitle);
  HWND owner = HandleAllocated() ? GetAncestor(Handle(), GA_ROOT) : nullptr;
  if (!FDialog->Execute(owner)) return;
  FFilterIndex = FDialog->FilterIndex();
  std::string chosen = FDialog->FileName();
  bool accept = true;
  CallEvent(FOnAcceptFileName, this, chosen, accept);
  if (!accept) return;
  SetFileName(chosen);
  if (FEdit->CanFocus() && FEdit->HandleAllocated()) FEdit->SetFocus();
}

void TFileNameEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
      FEdit->SetEnabled(Enabled());
      FButton->SetEnabled(Enabled());
      break;
    case CM_TEXTCHANGED:
      // Caption and Text of the control are the file name.
      if (FEdit->Text() != FText) FEdit->SetText(FText);
      break;
    case WM_SETFOCUS:
      if (FEdit->CanFocus()) FEdit->SetFocus();
      Message.Result = 0;
      return;
    default:
      break;
  }
  inherited::WndProc(Message);
}
