#include "GalleryMainForm.h"

#include <cstdio>
#include <string>

#include "BitBtn.h"
#include "Button.h"
#include "CheckBox.h"
#include "ColorDialog.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FileNameEdit.h"
#include "GalleryImages.h"
#include "GallerySecondForm.h"
#include "GroupBox.h"
#include "Image.h"
#include "Label.h"
#include "ListBox.h"
#include "ListColumn.h"
#include "ListColumns.h"
#include "ListItem.h"
#include "ListItems.h"
#include "ListView.h"
#include "MainMenu.h"
#include "Memo.h"
#include "MenuItem.h"
#include "MessageDialogs.h"
#include "Notebook.h"
#include "OpenDialog.h"
#include "Page.h"
#include "PageControl.h"
#include "Panel.h"
#include "Picture.h"
#include "ProgressBar.h"
#include "Publisher.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "ScrollBox.h"
#include "SelectDirectory.h"
#include "ShortCut.h"
#include "SpeedButton.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "TBitmap.h"
#include "TImageList.h"
#include "TabSheet.h"
#include "ToggleBox.h"
#include "ToolBar.h"
#include "ToolButton.h"
#include "TrackBar.h"
#include "TreeNode.h"
#include "TreeNodes.h"
#include "TreeView.h"
#include "UpDown.h"

VEXA_DEFINE_CLASS(TGalleryMainForm) {}

namespace {

// A pale blue for the grid's fixed cells, so they stand out from the ordinary ones.
constexpr TColor kFixedCellColour = 0xF0D8C0;

std::string ColourText(TColor Colour) {
  const TColor rgb = ColorToRGB(Colour);
  char text[16];
  snprintf(text, sizeof text, "#%02X%02X%02X", rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
  return text;
}

}  // namespace

template <class T>
T* TGalleryMainForm::Place(TWinControl* Parent, int Left, int Top, int Width, int Height) {
  T* control = new T(this);
  control->SetParent(Parent);
  control->SetBounds(Left, Top, Width, Height);
  return control;
}

void TGalleryMainForm::Heading(TWinControl* Parent, int Left, int Top, const std::string& Text) {
  TLabel* label = Place<TLabel>(Parent, Left, Top, 0, 0);
  label->Font()->SetStyle(fsBold);
  label->SetCaption(Text);
}

TGalleryMainForm::TGalleryMainForm(TComponent* AOwner) : TForm(AOwner), FGlyphs(CreateGalleryGlyphs()) {
  SetCaption("Toolkit gallery");
  SetPosition(poDesigned);
  SetBounds(20, 20, kWidth, kHeight);

  FOpenDialog = new TOpenDialog(this);
  FOpenDialog->SetFilter("Text files (*.txt)|*.txt|All files (*.*)|*.*");
  FOpenDialog->SetTitle("Open a file");
  FColorDialog = new TColorDialog(this);
  FColorDialog->SetColor(clTeal);

  BuildMenu();
  BuildToolBar();

  FStatusBar = new TStatusBar(this);
  FStatusBar->SetParent(this);
  FStatusBar->SetSizeGrip(true);
  FStatusBar->SetSimplePanel(true);

  FPages = new TPageControl(this);
  FPages->SetParent(this);
  FPages->SetAlign(alClient);
  BuildButtonsPage(AddPage("Buttons"));
  BuildTextPage(AddPage("Text"));
  BuildRangesPage(AddPage("Ranges"));
  BuildListsPage(AddPage("Lists"));
  BuildDialogsPage(AddPage("Dialogs"));
  FPages->SetActivePageIndex(0);
  FPages->SetOnChange([this](TObject*) { ShowStatus("Page: " + FPages->ActivePage()->Caption()); });

  ShowStatus("Ready");
}

TGalleryMainForm::~TGalleryMainForm() {
  // The controls outlive this body (the base class frees them); they must not keep pointing at
  // the image list, which goes with the members.
  FToolBar->SetImages(nullptr);
  FListView->SetSmallImages(nullptr);
  FMenu->SetImages(nullptr);
}

void TGalleryMainForm::ShowStatus(const std::string& Text) { FStatusBar->SetSimpleText(Text); }

std::string TGalleryMainForm::StatusText() const { return FStatusBar->SimpleText(); }

void TGalleryMainForm::BuildMenu() {
  FMenu = new TMainMenu(this);
  FMenu->SetImages(FGlyphs.get());
  auto item = [this](TMenuItem* Parent, const std::string& Caption, TNotifyEvent OnClick = {}) {
    TMenuItem* result = new TMenuItem(this);
    result->SetCaption(Caption);
    if (OnClick) result->SetOnClick(std::move(OnClick));
    (Parent ? Parent : FMenu->Items())->Add(result);
    return result;
  };

  TMenuItem* file = item(nullptr, "&File");
  TMenuItem* open = item(file, "&Open…", [this](TObject*) { OpenFile(); });
  open->SetShortCut(TextToShortCut("Ctrl+O"));
  open->SetImageIndex(ggOpen);
  item(file, "-");
  TMenuItem* exitItem = item(file, "E&xit", [this](TObject*) { Close(); });
  exitItem->SetImageIndex(ggExit);

  TMenuItem* view = item(nullptr, "&View");
  FStatusBarItem = item(view, "&Status bar", [this](TObject*) {
    FStatusBar->SetVisible(FStatusBarItem->Checked());
  });
  FStatusBarItem->SetAutoCheck(true);
  FStatusBarItem->SetChecked(true);

  TMenuItem* help = item(nullptr, "&Help");
  TMenuItem* about = item(help, "&About…", [this](TObject*) { ShowAbout(); });
  about->SetImageIndex(ggInfo);

  SetMenu(FMenu);
}

void TGalleryMainForm::BuildToolBar() {
  FToolBar = new TToolBar(this);
  FToolBar->SetParent(this);
  FToolBar->SetFlat(true);
  FToolBar->SetImages(FGlyphs.get());
  struct TEntry {
    int Image;  // -1: a separator
    const char* Hint;
    void (TGalleryMainForm::*Action)();
  };
  const TEntry entries[] = {
      {ggNew, "New", nullptr},
      {ggOpen, "Open a file", &TGalleryMainForm::OpenFile},
      {ggSave, "Save", nullptr},
      {-1, nullptr, nullptr},
      {ggColour, "Choose a colour", &TGalleryMainForm::ChooseColour},
      {ggFolder, "Browse for a folder", &TGalleryMainForm::BrowseFolder},
      {-1, nullptr, nullptr},
      {ggInfo, "About", &TGalleryMainForm::ShowAbout},
  };
  int left = 0;
  for (const TEntry& entry : entries) {
    TToolButton* button = new TToolButton(this);
    // Buttons join the bar ordered by Left (see TToolBar), so each starts right of the last.
    button->SetLeft(left += 30);
    if (entry.Image < 0) {
      button->SetStyle(tbsSeparator);
    } else {
      button->SetImageIndex(entry.Image);
      button->SetHint(entry.Hint);
      const std::string hint = entry.Hint;
      const auto action = entry.Action;
      button->SetOnClick([this, hint, action](TObject*) {
        if (action)
          (this->*action)();
        else
          ShowStatus(hint + ": not part of the gallery");
      });
    }
    button->SetParent(FToolBar);
  }
}

TTabSheet* TGalleryMainForm::AddPage(const std::string& Caption) {
  TTabSheet* sheet = new TTabSheet(this);
  sheet->SetPageControl(FPages);
  sheet->SetCaption(Caption);
  return sheet;
}

void TGalleryMainForm::BuildButtonsPage(TTabSheet* Page) {
  Heading(Page, 16, 12, "Push buttons");
  TButton* button = Place<TButton>(Page, 16, 34, 120, 25);
  button->SetCaption("&Button");
  button->SetOnClick([this](TObject*) { ShowStatus("Button clicked"); });
  const TBitBtnKind kinds[] = {bkOK, bkCancel, bkHelp};
  int top = 66;
  for (TBitBtnKind kind : kinds) {
    TBitBtn* bitBtn = Place<TBitBtn>(Page, 16, top, 120, 27);
    bitBtn->SetKind(kind);
    // Stock kinds carry modal results; on a main form they would only close nothing, so the
    // gallery just reports the click.
    bitBtn->SetModalResult(mrNone);
    bitBtn->SetOnClick([this, bitBtn](TObject*) { ShowStatus(bitBtn->Caption() + " bit button clicked"); });
    top += 34;
  }
  TBitBtn* custom = Place<TBitBtn>(Page, 16, top, 120, 27);
  custom->SetCaption("&Colours");
  custom->SetGlyph(CreateGalleryGlyph(ggColour).get());
  custom->SetOnClick([this](TObject*) { ChooseColour(); });

  Heading(Page, 16, 210, "Flat speed buttons");
  const TGalleryGlyph speedGlyphs[] = {ggNew, ggOpen, ggSave};
  for (int i = 0; i < 3; ++i) {
    TSpeedButton* speed = Place<TSpeedButton>(Page, 16 + i * 30, 232, 28, 26);
    speed->SetFlat(true);
    speed->SetGroupIndex(1);
    speed->SetGlyph(CreateGalleryGlyph(speedGlyphs[i]).get());
    speed->SetDown(i == 1);
  }
  TSpeedButton* captioned = Place<TSpeedButton>(Page, 16, 262, 120, 26);
  captioned->SetFlat(true);
  captioned->SetCaption("Flat with text");
  captioned->SetGlyph(CreateGalleryGlyph(ggInfo).get());
  captioned->SetOnClick([this](TObject*) { ShowStatus("Speed button clicked"); });

  Heading(Page, 16, 300, "Toggle boxes");
  TToggleBox* toggleOn = Place<TToggleBox>(Page, 16, 322, 120, 25);
  toggleOn->SetCaption("Toggle (down)");
  toggleOn->SetChecked(true);
  TToggleBox* toggleOff = Place<TToggleBox>(Page, 16, 352, 120, 25);
  toggleOff->SetCaption("Toggle (up)");

  Heading(Page, 170, 12, "Check boxes");
  TCheckBox* checked = Place<TCheckBox>(Page, 170, 34, 170, 20);
  checked->SetCaption("Checked");
  checked->SetChecked(true);
  TCheckBox* grayed = Place<TCheckBox>(Page, 170, 58, 170, 20);
  grayed->SetCaption("Grayed (AllowGrayed)");
  grayed->SetAllowGrayed(true);
  grayed->SetState(cbGrayed);
  TCheckBox* unchecked = Place<TCheckBox>(Page, 170, 82, 170, 20);
  unchecked->SetCaption("Unchecked");
  TCheckBox* disabled = Place<TCheckBox>(Page, 170, 106, 170, 20);
  disabled->SetCaption("Disabled");
  disabled->SetEnabled(false);

  Heading(Page, 170, 142, "Radio buttons in a group box");
  TGroupBox* group = Place<TGroupBox>(Page, 170, 164, 180, 84);
  group->SetCaption("Group box");
  TRadioButton* first = Place<TRadioButton>(group, 12, 24, 150, 20);
  first->SetCaption("First choice");
  first->SetChecked(true);
  TRadioButton* second = Place<TRadioButton>(group, 12, 50, 150, 20);
  second->SetCaption("Second choice");

  Heading(Page, 390, 12, "Radio group (2 columns)");
  TRadioGroup* radios = Place<TRadioGroup>(Page, 390, 34, 300, 84);
  radios->SetCaption("Radio group");
  radios->SetColumns(2);
  radios->Items()->Add("Alpha");
  radios->Items()->Add("Beta");
  radios->Items()->Add("Gamma");
  radios->SetItemIndex(1);
  radios->SetOnClick([this, radios](TObject*) { ShowStatus("Radio group: " + radios->Items()->Strings(radios->ItemIndex())); });

  Heading(Page, 390, 142, "Labels");
  TLabel* plain = Place<TLabel>(Page, 390, 164, 0, 0);
  plain->SetCaption("A plain TLabel");
  TLabel* large = Place<TLabel>(Page, 390, 186, 0, 0);
  large->Font()->SetHeight(-19);
  large->Font()->SetStyle(fsBold);
  large->Font()->SetColor(clNavy);
  large->SetCaption("A large navy label");
  TLabel* wrapped = Place<TLabel>(Page, 390, 220, 300, 0);
  wrapped->SetWordWrap(true);
  wrapped->SetCaption("A label with WordWrap set breaks its caption over several lines so that it "
                      "fits the width it was given.");
}

void TGalleryMainForm::BuildTextPage(TTabSheet* Page) {
  Heading(Page, 16, 12, "Edit");
  TEdit* edit = Place<TEdit>(Page, 16, 34, 240, 23);
  edit->SetText("A single-line edit");

  Heading(Page, 16, 70, "Memo (40 lines)");
  TMemo* memo = Place<TMemo>(Page, 16, 92, 240, 218);
  memo->SetScrollBars(ssVertical);
  memo->Lines()->BeginUpdate();
  for (int i = 1; i <= 40; ++i) memo->Lines()->Add("Memo line " + std::to_string(i) + " of 40");
  memo->Lines()->EndUpdate();

  Heading(Page, 276, 12, "List box (20 items)");
  TListBox* list = Place<TListBox>(Page, 276, 34, 180, 276);
  for (int i = 1; i <= 20; ++i) list->Items()->Add("List item " + std::to_string(i));
  list->SetItemIndex(2);

  Heading(Page, 476, 12, "Combo boxes");
  Place<TLabel>(Page, 476, 34, 0, 0)->SetCaption("Drop-down (csDropDown)");
  TComboBox* dropDown = Place<TComboBox>(Page, 476, 52, 240, 23);
  dropDown->SetStyle(csDropDown);
  Place<TLabel>(Page, 476, 86, 0, 0)->SetCaption("Simple (csSimple)");
  // A height the edit and whole list lines fill: the native control leaves a remainder below its
  // list unpainted.
  TComboBox* simple = Place<TComboBox>(Page, 476, 104, 240, 115);
  simple->SetStyle(csSimple);
  Place<TLabel>(Page, 476, 228, 0, 0)->SetCaption("Drop-down list (csDropDownList)");
  TComboBox* dropDownList = Place<TComboBox>(Page, 476, 246, 240, 23);
  dropDownList->SetStyle(csDropDownList);
  const char* fruits[] = {"Apple", "Banana", "Cherry", "Damson", "Elderberry", "Fig", "Grape"};
  for (TComboBox* combo : {dropDown, simple, dropDownList})
    for (const char* fruit : fruits) combo->Items()->Add(fruit);
  dropDown->SetText("Type or choose");
  simple->SetItemIndex(1);
  dropDownList->SetItemIndex(2);

  Heading(Page, 16, 326, "File name edit");
  TFileNameEdit* fileName = Place<TFileNameEdit>(Page, 16, 348, 440, 23);
  fileName->SetFilter("All files (*.*)|*.*");
  fileName->SetFileName("C:\\windows\\win.ini");
}

void TGalleryMainForm::BuildRangesPage(TTabSheet* Page) {
  Heading(Page, 16, 12, "Track bars");
  TTrackBar* horizontal = Place<TTrackBar>(Page, 16, 34, 260, 40);
  horizontal->SetMax(20);
  horizontal->SetFrequency(2);
  horizontal->SetPosition(8);
  // Orientation first: changing it swaps the width and the height.
  TTrackBar* vertical = Place<TTrackBar>(Page, 0, 0, 0, 0);
  vertical->SetOrientation(trVertical);
  vertical->SetBounds(290, 34, 40, 180);
  vertical->SetPosition(3);

  Heading(Page, 16, 86, "Progress bars");
  TProgressBar* progress = Place<TProgressBar>(Page, 16, 108, 260, 20);
  progress->SetPosition(65);
  TProgressBar* upright = Place<TProgressBar>(Page, 0, 0, 0, 0);
  upright->SetOrientation(pbVertical);
  upright->SetBounds(346, 34, 20, 180);
  upright->SetPosition(40);
  horizontal->SetOnChange([progress, horizontal](TObject*) { progress->SetPosition(horizontal->Position() * 5); });

  Heading(Page, 16, 142, "Up-down controls");
  TEdit* verticalBuddy = Place<TEdit>(Page, 16, 164, 70, 23);
  TUpDown* upDown = Place<TUpDown>(Page, 86, 164, 17, 23);
  upDown->SetAssociate(verticalBuddy);
  upDown->SetPosition(12);
  // The horizontal pair stands alone: beside an edit it would be squeezed to the edit's height.
  TUpDown* leftRight = Place<TUpDown>(Page, 0, 0, 0, 0);
  leftRight->SetOrientation(udHorizontal);
  leftRight->SetBounds(130, 164, 40, 22);
  leftRight->SetPosition(50);
  TLabel* leftRightValue = Place<TLabel>(Page, 178, 168, 0, 0);
  leftRightValue->SetCaption("Position 50");
  leftRight->SetOnClick([leftRight, leftRightValue](TObject*, TUDBtnType) {
    leftRightValue->SetCaption("Position " + std::to_string(leftRight->Position()));
  });

  Heading(Page, 400, 12, "Panel");
  TPanel* panel = Place<TPanel>(Page, 400, 34, 300, 100);
  panel->SetBevelOuter(bvRaised);
  panel->SetBevelInner(bvLowered);
  panel->SetBevelWidth(2);
  panel->SetBorderWidth(4);
  panel->SetCaption("TPanel with raised and lowered bevels");

  Heading(Page, 400, 150, "Image");
  TImage* image = Place<TImage>(Page, 400, 172, 128, 96);
  TBitmap landscape(128, 96);
  DrawLandscape(landscape);
  image->Picture()->SetBitmap(&landscape);
  TImage* stretched = Place<TImage>(Page, 540, 172, 64, 48);
  stretched->SetStretch(true);
  stretched->Picture()->SetBitmap(&landscape);

  Heading(Page, 16, 216, "Scroll box (a child beyond its client area)");
  TScrollBox* scrollBox = Place<TScrollBox>(Page, 16, 238, 360, 170);
  TLabel* hint = Place<TLabel>(scrollBox, 8, 8, 0, 0);
  hint->SetCaption("Scroll right and down to reach the far panel.");
  TButton* inside = Place<TButton>(scrollBox, 8, 34, 120, 25);
  inside->SetCaption("Inside button");
  TPanel* farPanel = Place<TPanel>(scrollBox, 300, 190, 180, 60);
  farPanel->SetCaption("Far panel");
  farPanel->SetColor(clInfoBk);
}

void TGalleryMainForm::BuildListsPage(TTabSheet* Page) {
  Heading(Page, 16, 12, "List view (report, small images)");
  FListView = Place<TListView>(Page, 16, 34, 380, 170);
  FListView->SetViewStyle(vsReport);
  FListView->SetRowSelect(true);
  FListView->SetGridLines(true);
  FListView->SetSmallImages(FGlyphs.get());
  struct TColumn {
    const char* Caption;
    int Width;
    TAlignment Alignment;
  };
  for (const TColumn& c : {TColumn{"Name", 150, taLeftJustify}, TColumn{"Kind", 120, taLeftJustify},
                           TColumn{"Size", 80, taRightJustify}}) {
    TListColumn* column = FListView->Columns()->Add();
    column->SetCaption(c.Caption);
    column->SetWidth(c.Width);
    column->SetAlignment(c.Alignment);
  }
  struct TRow {
    const char* Name;
    const char* Kind;
    const char* Size;
    TGalleryGlyph Image;
  };
  const TRow rows[] = {
      {"Documents", "Folder", "", ggFolder},     {"Pictures", "Folder", "", ggFolder},
      {"readme.txt", "Text file", "2 KB", ggNew}, {"palette.pal", "Colour palette", "1 KB", ggColour},
      {"backup.dat", "Saved data", "640 KB", ggSave}, {"about.inf", "Information", "3 KB", ggInfo},
  };
  FListView->Items()->BeginUpdate();
  for (const TRow& r : rows) {
    TListItem* item = FListView->Items()->Add();
    item->SetCaption(r.Name);
    item->SetImageIndex(r.Image);
    item->SubItems()->Add(r.Kind);
    item->SubItems()->Add(r.Size);
  }
  FListView->Items()->EndUpdate();
  FListView->Items()->Item(2)->SetSelected(true);

  Heading(Page, 416, 12, "String grid (fixed row and column)");
  // Exactly the cells (4 x 73, 7 x 23) and the 2-pixel sunken border on each side.
  TStringGrid* grid = Place<TStringGrid>(Page, 416, 34, 4 * 73 + 4, 7 * 23 + 4);
  grid->SetColCount(4);
  grid->SetRowCount(7);
  grid->SetDefaultColWidth(72);
  grid->SetDefaultRowHeight(22);
  grid->SetFixedColor(kFixedCellColour);
  const char* quarters[] = {"Region", "Q1", "Q2", "Q3"};
  const char* regions[] = {"North", "South", "East", "West", "Centre", "Islands"};
  for (int c = 0; c < 4; ++c) grid->SetCells(c, 0, quarters[c]);
  for (int r = 1; r < 7; ++r) {
    grid->SetCells(0, r, regions[r - 1]);
    for (int c = 1; c < 4; ++c) grid->SetCells(c, r, std::to_string((r * 37 + c * 53) % 90 + 10));
  }

  Heading(Page, 16, 218, "Tree view");
  TTreeView* tree = Place<TTreeView>(Page, 16, 240, 250, 170);
  TTreeNodes* nodes = tree->Items();
  TTreeNode* toolkit = nodes->AddChild(nullptr, "Toolkit");
  TTreeNode* controls = nodes->AddChild(toolkit, "Controls");
  for (const char* name : {"Buttons", "Edits", "Lists"}) nodes->AddChild(controls, name);
  TTreeNode* common = nodes->AddChild(controls, "Common controls");
  nodes->AddChild(common, "Track bar");
  nodes->AddChild(common, "Progress bar");
  TTreeNode* graphics = nodes->AddChild(toolkit, "Graphics");
  nodes->AddChild(graphics, "Bitmap");
  nodes->AddChild(graphics, "Canvas");
  TTreeNode* dialogs = nodes->AddChild(nullptr, "Dialogs");
  nodes->AddChild(dialogs, "Open file");
  nodes->AddChild(dialogs, "Colour");
  toolkit->Expand(false);
  controls->Expand(false);
  tree->SetHideSelection(false);
  tree->SetSelected(controls);

  Heading(Page, 286, 218, "Notebook (2 pages)");
  TPanel* frame = Place<TPanel>(Page, 286, 240, 300, 120);
  frame->SetBevelOuter(bvLowered);
  FNotebook = new TNotebook(this);
  FNotebook->SetParent(frame);
  FNotebook->SetAlign(alClient);
  for (int i = 0; i < 2; ++i) {
    TPage* page = new TPage(this);
    page->SetParent(FNotebook);
    page->SetCaption(i == 0 ? "First" : "Second");
    TLabel* text = Place<TLabel>(page, 12, 12, 0, 0);
    text->SetCaption(i == 0 ? "This is the first page of the notebook." : "And this is its second page.");
    TButton* flip = Place<TButton>(page, 12, 40, 140, 25);
    flip->SetCaption(i == 0 ? "Show page &2" : "Back to page &1");
    flip->SetOnClick([this, i](TObject*) { FNotebook->SetPageIndex(1 - i); });
  }
  FNotebook->SetPageIndex(0);
}

void TGalleryMainForm::BuildDialogsPage(TTabSheet* Page) {
  Heading(Page, 16, 12, "Standard dialogs and a second form");
  struct TEntry {
    const char* Caption;
    void (TGalleryMainForm::*Action)();
  };
  const TEntry entries[] = {
      {"&Message box…", &TGalleryMainForm::AskQuestion},   {"&Open file…", &TGalleryMainForm::OpenFile},
      {"&Colour…", &TGalleryMainForm::ChooseColour},       {"&Folder…", &TGalleryMainForm::BrowseFolder},
      {"&Second form…", &TGalleryMainForm::ShowSecondForm},
  };
  int top = 34;
  for (const TEntry& entry : entries) {
    TButton* button = Place<TButton>(Page, 16, top, 160, 27);
    button->SetCaption(entry.Caption);
    const auto action = entry.Action;
    button->SetOnClick([this, action](TObject*) { (this->*action)(); });
    FDialogButtons.push_back(button);
    top += 34;
  }
  FColourSwatch = Place<TPanel>(Page, 190, 102, 60, 27);
  FColourSwatch->SetBevelOuter(bvLowered);
  FColourSwatch->SetColor(FColorDialog->Color());

  TLabel* note = Place<TLabel>(Page, 16, top + 12, 420, 0);
  note->SetWordWrap(true);
  note->SetCaption("Each button opens the system's dialog; what was chosen shows in the status bar.");
}

void TGalleryMainForm::OpenFile() {
  if (FOpenDialog->Execute(Handle()))
    ShowStatus("Opened: " + FOpenDialog->FileName());
  else
    ShowStatus("Open cancelled");
}

void TGalleryMainForm::ChooseColour() {
  if (!FColorDialog->Execute(Handle())) {
    ShowStatus("Colour cancelled");
    return;
  }
  FColourSwatch->SetColor(FColorDialog->Color());
  ShowStatus("Colour: " + ColourText(FColorDialog->Color()));
}

void TGalleryMainForm::BrowseFolder() {
  std::string folder = "C:\\";
  if (SelectDirectory("Choose a folder", "", folder, Handle()))
    ShowStatus("Folder: " + folder);
  else
    ShowStatus("Folder cancelled");
}

void TGalleryMainForm::AskQuestion() {
  const int answer = MessageDlg("Do you like the gallery?", mtConfirmation, {mbYes, mbNo, mbCancel}, Handle());
  ShowStatus(answer == IDYES ? "Answer: yes" : answer == IDNO ? "Answer: no" : "Answer: cancelled");
}

void TGalleryMainForm::ShowSecondForm() {
  if (!FSecondForm) return;
  const TModalResult result = FSecondForm->ShowModal();
  ShowStatus(result == mrOk ? "Second form: OK, \"" + FSecondForm->Answer() + "\"" : "Second form: cancelled");
}

void TGalleryMainForm::ShowAbout() {
  ShowMessageBox("Toolkit gallery\n\nEvery control of the toolkit on one form.", "About", MB_OK | MB_ICONINFORMATION,
                 Handle());
}
