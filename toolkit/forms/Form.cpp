#include "Form.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TForm) {
  PUBLISHED(AutoScroll).Default(false);
  PUBLISHED(BiDiMode).Default(bdLeftToRight);
  PUBLISHED(BorderIcons).Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  PUBLISHED(BorderStyle).Default(bsSizeable);
  PUBLISHED(Caption, "TCaption");
  // The window's size is stored (Width, Height); the client size is there to be set by name.
  PUBLISHED(ClientHeight).Stored(false);
  PUBLISHED(ClientWidth).Stored(false);
  PUBLISHED(Color, "TColor").Default(clBtnFace);
  PUBLISHED(Constraints);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(KeyPreview).Default(false);
  PUBLISHED(Menu, "TMainMenu");  // stored by name: the menu component, taken as a TMenuBarSource
  PUBLISHED(ParentFont).Default(false);
  PUBLISHED(Position).Default(poDesigned);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(Visible).Default(false);
  PUBLISHED(WindowState).Default(wsNormal);
}
