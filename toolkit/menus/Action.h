#pragma once
#include <string>

#include "BasicAction.h"
#include "ShortCut.h"

// An action with the properties a menu item or button shows; every setter tells the clients.
class TAction : public TBasicAction {
  VEXA_CLASS(TAction, TBasicAction)

public:
  explicit TAction(TComponent* AOwner);

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value);
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);

private:
  std::string FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  std::string FHint;
  int32_t FImageIndex = -1;
  TShortCut FShortCut = scNone;
};
