#include "GallerySecondForm.h"

#include "Button.h"
#include "Edit.h"
#include "Label.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TGallerySecondForm) {}

TGallerySecondForm::TGallerySecondForm(TComponent* AOwner) : TForm(AOwner) {
  SetCaption("Second form");
  SetBorderStyle(bsDialog);
  SetPosition(poMainFormCenter);
  SetClientSize(320, 120);

  FPrompt = new TLabel(this);
  FPrompt->SetParent(this);
  FPrompt->SetBounds(16, 16, 288, 16);
  FPrompt->SetCaption("What should the gallery call you?");

  FAnswer = new TEdit(this);
  FAnswer->SetParent(this);
  FAnswer->SetBounds(16, 38, 288, 23);
  FAnswer->SetText("Gallery visitor");

  FOk = new TButton(this);
  FOk->SetParent(this);
  FOk->SetBounds(144, 80, 75, 25);
  FOk->SetCaption("OK");
  FOk->SetDefault(true);
  FOk->SetModalResult(mrOk);

  FCancel = new TButton(this);
  FCancel->SetParent(this);
  FCancel->SetBounds(229, 80, 75, 25);
  FCancel->SetCaption("Cancel");
  FCancel->SetCancel(true);
  FCancel->SetModalResult(mrCancel);

  SetActiveControl(FAnswer);
}

std::string TGallerySecondForm::Answer() const { return FAnswer->Text(); }

void TGallerySecondForm::SetAnswer(const std::string& Value) { FAnswer->SetText(Value); }
