#pragma once
#include <vector>

#include "Component.h"

class TCustomForm;
class TWinControl;

// The application's forms as the screen sees them: every form from its construction to its
// destruction, in creation order, and which one is active. One instance, Screen, lives from
// program start to exit.
class TScreen : public TComponent {
  VEXA_CLASS(TScreen, TComponent)

public:
  explicit TScreen(TComponent* AOwner);

  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const;  // EListError out of range
  // The form whose window is active, or null when another application is.
  TCustomForm* ActiveForm() const { return FActiveForm; }
  // The focused control of the active form.
  TWinControl* ActiveControl() const;
  // The primary screen in pixels.
  int Width() const;
  int Height() const;

private:
  friend class TCustomForm;
  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);
  void SetActiveForm(TCustomForm* Form) { FActiveForm = Form; }

  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
};

extern TScreen* Screen;
