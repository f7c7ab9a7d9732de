#pragma once
#include <string>

#include "Form.h"

class TButton;
class TEdit;
class TLabel;

// A small dialog shown with ShowModal: a question, an edit for the answer, OK and Cancel buttons
// that close it through their ModalResult.
class TGallerySecondForm : public TForm {
  VEXA_CLASS(TGallerySecondForm, TForm)

public:
  explicit TGallerySecondForm(TComponent* AOwner);

  std::string Answer() const;
  void SetAnswer(const std::string& Value);
  TButton* OkButton() const { return FOk; }

private:
  TLabel* FPrompt;
  TEdit* FAnswer;
  TButton* FOk;
  TButton* FCancel;
};
