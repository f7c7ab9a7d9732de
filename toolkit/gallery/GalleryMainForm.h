#pragma once
#include <memory>
#include <string>
#include <vector>

#include "Form.h"

class TButton;
class TColorDialog;
class TImageList;
class TListView;
class TMainMenu;
class TMenuItem;
class TNotebook;
class TOpenDialog;
class TPageControl;
class TPanel;
class TStatusBar;
class TTabSheet;
class TToolBar;
class TGallerySecondForm;

// The gallery's main window: a menu bar, a tool bar, a status bar and one page per group of the
// toolkit's controls, plus buttons that open the standard dialogs and a second, modal form.
class TGalleryMainForm : public TForm {
  VEXA_CLASS(TGalleryMainForm, TForm)

public:
  static constexpr int kWidth = 760;
  static constexpr int kHeight = 560;

  explicit TGalleryMainForm(TComponent* AOwner);
  ~TGalleryMainForm() override;

  TPageControl* PageControl() const { return FPages; }
  // The form shown by the "Second form" button; not owned (the application owns both forms).
  void SetSecondForm(TGallerySecondForm* Value) { FSecondForm = Value; }
  void ShowStatus(const std::string& Text);
  std::string StatusText() const;
  // The buttons of the Dialogs page, in order: message box, open file, colour, folder, second form.
  const std::vector<TButton*>& DialogButtons() const { return FDialogButtons; }

private:
  void BuildMenu();
  void BuildToolBar();
  TTabSheet* AddPage(const std::string& Caption);
  void BuildButtonsPage(TTabSheet* Page);
  void BuildTextPage(TTabSheet* Page);
  void BuildRangesPage(TTabSheet* Page);
  void BuildListsPage(TTabSheet* Page);
  void BuildDialogsPage(TTabSheet* Page);

  void OpenFile();
  void ChooseColour();
  void BrowseFolder();
  void AskQuestion();
  void ShowSecondForm();
  void ShowAbout();

  // A control owned by the form, placed on Parent.
  template <class T>
  T* Place(TWinControl* Parent, int Left, int Top, int Width, int Height);
  // A caption in bold above a group of controls.
  void Heading(TWinControl* Parent, int Left, int Top, const std::string& Text);

  // Lent to the tool bar, the menu and the list view; they are detached in the destructor,
  // before this list goes.
  std::unique_ptr<TImageList> FGlyphs;
  TMainMenu* FMenu = nullptr;
  TMenuItem* FStatusBarItem = nullptr;
  TToolBar* FToolBar = nullptr;
  TStatusBar* FStatusBar = nullptr;
  TPageControl* FPages = nullptr;
  TListView* FListView = nullptr;
  TNotebook* FNotebook = nullptr;
  TPanel* FColourSwatch = nullptr;
  std::vector<TButton*> FDialogButtons;
  TOpenDialog* FOpenDialog = nullptr;
  TColorDialog* FColorDialog = nullptr;
  TGallerySecondForm* FSecondForm = nullptr;
};
