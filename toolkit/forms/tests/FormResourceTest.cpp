#include <gtest/gtest.h>

#include <memory>

#include "ClassesErrors.h"
#include "FormsTestSupport.h"
#include "PropertyApi.h"
#include "Publisher.h"
#include "Screen.h"
#include "TestForms.h"
#include "Writer.h"

namespace {

// A form class whose resource is in the program (FormResources.rc), not supplied by the tests.
class TRcForm : public TForm {
  VEXA_CLASS(TRcForm, TForm)

public:
  explicit TRcForm(TComponent* AOwner) : TForm(AOwner) {}
};

// The second form, built in code with stored values different from the constructor's.
std::vector<uint8_t> SecondFormResource() {
  TSecondTestForm source(nullptr);
  source.SetCaption("Stored caption");
  source.SetColor(clAqua);
  source.SetTag(42);
  source.SetBounds(30, 40, 420, 310);
  source.Constraints()->SetMinWidth(200);
  source.Constraints()->SetMinHeight(150);
  source.Constraints()->SetMaxWidth(900);
  source.Constraints()->SetMaxHeight(700);
  source.SetBorderStyle(bsDialog);
  source.SetBorderIcons(TBorderIcons{biSystemMenu, biHelp});
  source.SetKeyPreview(true);
  source.Font()->SetFaceName("Tahoma");
  source.Font()->SetHeight(-15);
  source.Font()->SetStyle(fsBold | fsItalic);
  source.Box1->SetBounds(0, 0, 150, 90);  // the constructor puts it at (10, 10)
  source.Box1->SetColor(clRed);
  source.Box1->SetAnchors(TAnchors{akLeft, akTop, akRight});
  source.Box1->SetCaption("Box caption");
  source.Box1->SetMarker(5);
  source.Box1->SetTabStop(true);
  source.Box1->SetTag(7);
  source.Shape1->SetParentColor(true);
  source.Shape1->SetVisible(false);
  source.Shape2->SetColor(clLime);
  source.Shape2->SetAlign(alBottom);
  return WriteComponentResource(source);
}

// A form whose constructor makes a main menu and a control that is no menu.
class TMenuForm : public TForm {
  VEXA_CLASS(TMenuForm, TForm)

public:
  explicit TMenuForm(TComponent* AOwner) : TForm(AOwner) {
    Menu1 = new TTestMenu(this, 3);
    Menu1->SetName("MainMenu1");
    Box1 = new TTestBox(this);
    Box1->SetName("Box1");
    Box1->SetParent(this);
  }
  TTestMenu* Menu1;
  TTestBox* Box1;
};

}  // namespace

VEXA_DEFINE_CLASS(TRcForm) {}
VEXA_DEFINE_CLASS(TMenuForm) {}

TEST(FormResource, ReadsBackTheStoredValuesOfAFormAndItsControls) {
  TExceptionLog errors;
  TResourceOverride resources;
  resources.Set("TSecondTestForm", SecondFormResource());
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));

  EXPECT_EQ(form->Caption(), "Stored caption");
  EXPECT_EQ(form->Color(), clAqua);
  EXPECT_EQ(form->Tag(), 42);
  EXPECT_EQ(form->BorderStyle(), bsDialog);
  EXPECT_EQ(form->BorderIcons(), (TBorderIcons{biSystemMenu, biHelp}));
  EXPECT_TRUE(form->KeyPreview());
  EXPECT_EQ(form->Constraints()->MinWidth(), 200);
  EXPECT_EQ(form->Constraints()->MinHeight(), 150);
  EXPECT_EQ(form->Constraints()->MaxWidth(), 900);
  EXPECT_EQ(form->Constraints()->MaxHeight(), 700);
  EXPECT_EQ(form->BoundsRect(), (TRect{30, 40, 450, 350}));
  EXPECT_EQ(form->Font()->Name(), L"Tahoma");
  EXPECT_EQ(form->Font()->Height(), -15);
  EXPECT_EQ(form->Font()->Style(), static_cast<TFontStyles>(fsBold | fsItalic));
  // Children with ParentFont follow the form's font read from the resource.
  EXPECT_EQ(form->Box1->Font()->Height(), -15);
  EXPECT_TRUE(form->Box1->ParentFont());

  EXPECT_EQ(form->Box1->BoundsRect(), (TRect{0, 0, 150, 90}));
  EXPECT_EQ(form->Box1->Color(), clRed);
  EXPECT_EQ(form->Box1->Anchors(), (TAnchors{akLeft, akTop, akRight}));
  EXPECT_EQ(form->Box1->Caption(), "Box caption");
  EXPECT_EQ(form->Box1->Tag(), 7);
  EXPECT_TRUE(form->Box1->TabStop());
  EXPECT_TRUE(form->Shape1->ParentColor());
  EXPECT_EQ(form->Shape1->Color(), clRed);
  EXPECT_FALSE(form->Shape1->Visible());
  EXPECT_EQ(form->Shape2->Color(), clLime);
  EXPECT_EQ(form->Shape2->Align(), alBottom);

  // Values are applied while the form is loading; Loaded comes once, after all of them.
  EXPECT_EQ(form->Box1->Marker(), 5);
  EXPECT_TRUE(form->Box1->MarkerSetWhileReading);
  EXPECT_EQ(form->Box1->LoadedCount, 1);
  EXPECT_EQ(form->Box1->ColorAtLoaded, clRed);
  EXPECT_EQ(form->Shape1->LoadedCount, 1);
  EXPECT_EQ(form->Shape2->LoadedCount, 1);
  EXPECT_EQ(form->LoadedCount, 1);
  EXPECT_FALSE(form->ComponentState().Contains(csLoading));
  EXPECT_FALSE(form->Box1->ComponentState().Contains(csLoading));
  // The layout ran once loading ended: the bottom-aligned shape spans the client width.
  EXPECT_EQ(form->Shape2->Width(), form->ClientWidth());
  EXPECT_EQ(form->Shape2->Top() + form->Shape2->Height(), form->ClientHeight());
  EXPECT_TRUE(errors.Messages().empty());
}

TEST(FormResource, ReadsTheCollectionAndRawBytesOfAComponentAndRunsOnCreateAfterLoaded) {
  TExceptionLog errors;
  std::vector<uint8_t> bytes;
  {
    TMainTestForm source(nullptr);
    auto* first = static_cast<TTestItem*>(source.Data1->Items()->Add());
    first->SetValue(10);
    first->SetText("ten");
    static_cast<TTestItem*>(source.Data1->Items()->Add())->SetValue(-3);
    source.Data1->Bytes = {0, 1, 0x1A, 13, 10, 255};
    source.Timer1->SetInterval(250);
    bytes = WriteComponentResource(source);
  }
  TResourceOverride resources;
  resources.Set("TMainTestForm", bytes);
  std::unique_ptr<TMainTestForm> form(CreateFormFromResource<TMainTestForm>(nullptr));

  ASSERT_EQ(form->Data1->Items()->Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(form->Data1->Items()->Items(0))->Value(), 10);
  EXPECT_EQ(static_cast<TTestItem*>(form->Data1->Items()->Items(0))->Text(), "ten");
  EXPECT_EQ(static_cast<TTestItem*>(form->Data1->Items()->Items(1))->Value(), -3);
  EXPECT_EQ(form->Data1->Bytes, (std::vector<uint8_t>{0, 1, 0x1A, 13, 10, 255}));
  EXPECT_EQ(form->Data1->LoadedCount, 1);
  EXPECT_EQ(form->Timer1->Interval(), 250);
  EXPECT_FALSE(form->Timer1->Enabled());
  EXPECT_EQ(form->Events, (std::vector<std::string>{"loaded", "create"}));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(errors.Messages().empty());
}

TEST(FormResource, AFormStoredVisibleIsShownAfterOnCreate) {
  std::vector<uint8_t> bytes;
  {
    TMainTestForm source(nullptr);
    source.SetVisible(true);
    bytes = WriteComponentResource(source);
  }
  TResourceOverride resources;
  resources.Set("TMainTestForm", bytes);
  std::unique_ptr<TMainTestForm> form(CreateFormFromResource<TMainTestForm>(nullptr));
  EXPECT_EQ(form->Events, (std::vector<std::string>{"loaded", "create", "show"}));
  EXPECT_TRUE(form->Visible());
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(FormResource, AFormWithoutResourceKeepsItsConstructorValuesAndStillLoads) {
  TResourceOverride resources;  // knows no class
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  EXPECT_EQ(form->BoundsRect(), (TRect{40, 40, 440, 340}));
  EXPECT_EQ(form->Box1->BoundsRect(), (TRect{10, 10, 210, 130}));
  EXPECT_EQ(form->LoadedCount, 1);
  EXPECT_EQ(form->Box1->LoadedCount, 1);
}

TEST(FormResource, AFaultyResourceRaisesAndFreesTheHalfMadeForm) {
  std::vector<uint8_t> bytes;
  {
    TSecondTestForm source(nullptr);
    source.SetTag(1);
    bytes = WriteComponentResource(source);
  }
  TResourceOverride resources;
  resources.Set("TSecondTestForm", bytes);
  resources.Set("TMainTestForm", bytes);  // names another class
  bytes.resize(bytes.size() - 3);
  resources.Set("TSecondTestForm", bytes);  // truncated

  const int forms = Screen->FormCount();
  const int windows = CountThreadWindows();
  for (auto make : {+[] { delete CreateFormFromResource<TSecondTestForm>(Application); },
                    +[] { delete CreateFormFromResource<TMainTestForm>(Application); }}) {
    EXPECT_THROW(make(), EReadError);
    EXPECT_EQ(Screen->FormCount(), forms);
    EXPECT_EQ(Application->ComponentCount(), 0);
    EXPECT_EQ(CountThreadWindows(), windows);
  }
}

TEST(FormResource, TheDefaultLoaderReadsTheProgramsRcDataAndTheApplicationItsMainIcon) {
  std::unique_ptr<TRcForm> form(CreateFormFromResource<TRcForm>(nullptr));
  EXPECT_EQ(form->Tag(), 7);
  EXPECT_EQ(form->Caption(), "From RC");
  EXPECT_FALSE(FindFormResource("TSecondTestForm").has_value());
  ASSERT_FALSE(Application->Icon()->Empty());
  EXPECT_EQ(Application->Icon()->Width(), 16);
  // A form without an icon of its own shows the application's.
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0)), Application->Icon()->Handle());
}

TEST(FormResource, CreateFormMakesTheFirstFormTheMainFormAndScreenListsFormsInOrder) {
  ASSERT_EQ(Application->MainForm(), nullptr);
  const int before = Screen->FormCount();
  TResourceOverride resources;
  TMainTestForm* main = nullptr;
  TSecondTestForm* second = nullptr;
  Application->CreateForm(main);
  Application->CreateForm(second);
  EXPECT_EQ(Application->MainForm(), main);
  EXPECT_EQ(main->Owner(), Application);
  ASSERT_EQ(Screen->FormCount(), before + 2);
  EXPECT_EQ(Screen->Forms(before), main);
  EXPECT_EQ(Screen->Forms(before + 1), second);

  delete main;
  EXPECT_EQ(Application->MainForm(), nullptr);
  EXPECT_EQ(Screen->FormCount(), before + 1);
  EXPECT_EQ(Screen->Forms(before), second);
  delete second;
  EXPECT_EQ(Screen->FormCount(), before);
  EXPECT_EQ(Application->ComponentCount(), 0);
}

TEST(FormResource, TheFormClassPublishesWhatSkinnersAskFor) {
  TSecondTestForm form(nullptr);
  for (const char* name : {"BorderStyle", "BorderIcons", "Caption", "Color", "Constraints", "Font", "Menu", "Tag",
                           "WindowState", "ClientWidth", "ClientHeight", "AutoScroll", "Position", "Left", "Height"})
    EXPECT_TRUE(HasPublishedProperty(&form, name)) << name;
  EXPECT_FALSE(HasPublishedProperty(&form, "ParentColor"));
  EXPECT_EQ(GetPropInfo(&form, "BorderStyle")->PropType().Name(), "TFormBorderStyle");
  EXPECT_EQ(GetPropInfo(&form, "Color")->PropType().Name(), "TColor");
  EXPECT_EQ(GetPropInfo(&form, "Caption")->PropType().Name(), "TCaption");
  EXPECT_EQ(GetPropInfo(form.Box1, "ParentColor")->PropType().Name(), "Boolean");
  EXPECT_EQ(GetPropInfo(form.Box1, "Align")->PropType().Name(), "TAlign");
  // Set by name, a property runs its setter.
  SetOrdProp(&form, "ClientWidth", 333);
  EXPECT_EQ(form.ClientWidth(), 333);
  SetEnumProp(form.Box1, "Align", "alClient");
  EXPECT_EQ(form.Box1->BoundsRect(), form.ClientRect());
}

TEST(FormResource, AFormsFontRoundTripsAsASubObjectAndReachesTheWindowsThatFollowIt) {
  std::vector<uint8_t> bytes;
  {
    TSecondTestForm source(nullptr);
    source.Font()->SetName(L"Tahoma");
    source.Font()->SetHeight(-19);
    source.Font()->SetStyle(fsBold | fsUnderline);
    source.Font()->SetColor(clMaroon);
    source.Font()->SetCharset(ANSI_CHARSET);
    bytes = WriteComponentResource(source);
  }
  const std::string stream(bytes.begin(), bytes.end());
  for (const char* path : {"Font.Charset", "Font.Color", "Font.Height", "Font.Name", "Font.Style"})
    EXPECT_NE(stream.find(path), std::string::npos) << path;
  EXPECT_EQ(stream.find("Font.Size"), std::string::npos) << "Height holds it";

  TResourceOverride resources;
  resources.Set("TSecondTestForm", bytes);
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  EXPECT_EQ(form->Font()->Name(), L"Tahoma");
  EXPECT_EQ(form->Font()->Height(), -19);
  EXPECT_EQ(form->Font()->Style(), static_cast<TFontStyles>(fsBold | fsUnderline));
  EXPECT_EQ(form->Font()->Color(), clMaroon);
  EXPECT_EQ(form->Font()->Charset(), ANSI_CHARSET);
  EXPECT_FALSE(form->ParentFont());
  EXPECT_EQ(form->Box1->Font()->Color(), clMaroon) << "a child following its parent takes the colour too";

  // A native control put on the form draws with that font.
  auto* label = new TTestStatic(form.get());
  label->SetParent(form.get());
  LOGFONTW used{};
  ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label->Handle(), WM_GETFONT, 0, 0)), sizeof(used), &used), 0);
  EXPECT_EQ(used.lfHeight, -19);
  EXPECT_EQ(used.lfWeight, FW_BOLD);
  EXPECT_TRUE(used.lfUnderline);
  EXPECT_FALSE(used.lfItalic);
  EXPECT_EQ(std::wstring(used.lfFaceName), L"Tahoma");
}

TEST(FormResource, TheMenuIsATMainMenuReferenceStoredByNameAndShownAfterReading) {
  TMenuForm probe(nullptr);
  const TPropInfo* menu = GetPropInfo(&probe, "Menu");
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->PropType().Name(), "TMainMenu");
  EXPECT_EQ(menu->Kind(), tkComponent);

  std::vector<uint8_t> bytes;
  {
    TMenuForm source(nullptr);
    source.SetMenu(source.Menu1);
    EXPECT_EQ(GetObjectProp(&source, "Menu"), source.Menu1) << "read by name, the menu is its component";
    bytes = WriteComponentResource(source);
  }
  TResourceOverride resources;
  resources.Set("TMenuForm", bytes);
  std::unique_ptr<TMenuForm> form(CreateFormFromResource<TMenuForm>(nullptr));
  EXPECT_EQ(form->Menu(), static_cast<TMenuBarSource*>(form->Menu1));
  EXPECT_EQ(form->MenuComponent(), form->Menu1);
  EXPECT_EQ(GetMenu(form->Handle()), form->Menu1->Handle());
  EXPECT_EQ(GetMenuItemCount(GetMenu(form->Handle())), 3);
  EXPECT_EQ(WriteComponentResource(*form), bytes);

  // A component that is no menu bar is refused by name as by code, and the menu stays.
  EXPECT_THROW(SetObjectProp(form.get(), "Menu", form->Box1), EPropertyError);
  EXPECT_EQ(form->Menu(), static_cast<TMenuBarSource*>(form->Menu1));
  SetObjectProp(form.get(), "Menu", nullptr);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}
