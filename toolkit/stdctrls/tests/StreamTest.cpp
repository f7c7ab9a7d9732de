#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BitBtn.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "ControlTestSupport.h"
#include "Edit.h"
#include "ListBox.h"
#include "Memo.h"
#include "Publisher.h"
#include "RadioGroup.h"
#include "Writer.h"

namespace {

// A form that builds one of each standard control in its constructor, as forms do.
class TStdTestForm : public TForm {
  VEXA_CLASS(TStdTestForm, TForm)

public:
  explicit TStdTestForm(TComponent* AOwner) : TForm(AOwner) {
    SetBounds(50, 50, 520, 360);
    Button1 = Add<TButton>("Button1");
    BitBtn1 = Add<TBitBtn>("BitBtn1");
    CheckBox1 = Add<TCheckBox>("CheckBox1");
    RadioGroup1 = Add<TRadioGroup>("RadioGroup1");
    Memo1 = Add<TMemo>("Memo1");
    ListBox1 = Add<TListBox>("ListBox1");
    ComboBox1 = Add<TComboBox>("ComboBox1");
    Edit1 = Add<TEdit>("Edit1");
  }
  TButton* Button1;
  TBitBtn* BitBtn1;
  TCheckBox* CheckBox1;
  TRadioGroup* RadioGroup1;
  TMemo* Memo1;
  TListBox* ListBox1;
  TComboBox* ComboBox1;
  TEdit* Edit1;

private:
  template <class T>
  T* Add(const char* Name) {
    auto* control = new T(this);
    control->SetName(Name);
    control->SetParent(this);
    return control;
  }
};

std::vector<uint8_t> StoredForm() {
  TStdTestForm source(nullptr);
  source.Button1->SetCaption("Load skin...");
  source.Button1->SetDefault(true);
  source.Button1->SetModalResult(mrOk);
  source.BitBtn1->SetKind(bkAll);
  source.BitBtn1->SetCaption("All");
  source.BitBtn1->SetLayout(blGlyphTop);
  source.CheckBox1->SetAllowGrayed(true);
  source.CheckBox1->SetState(cbGrayed);
  source.CheckBox1->SetCaption("Easiest to use");
  source.RadioGroup1->SetBounds(16, 16, 185, 153);
  source.RadioGroup1->Items()->SetCommaText("\"Item 1\",\"Item 2\",\"Item 3\"");
  source.RadioGroup1->SetColumns(2);
  source.RadioGroup1->SetItemIndex(1);
  source.Memo1->Lines()->SetText("first\r\nsecond");
  source.Memo1->SetScrollBars(ssVertical);
  source.Memo1->SetWordWrap(false);
  source.Memo1->SetBorderStyle(TBorderStyle::bsNone);
  source.ListBox1->Items()->SetCommaText("b,a,c");
  source.ListBox1->SetSorted(true);
  source.ListBox1->SetItemHeight(13);
  source.ComboBox1->SetStyle(csDropDownList);
  source.ComboBox1->Items()->SetCommaText("Item1,Item2,Item3");
  source.ComboBox1->SetItemIndex(2);
  source.Edit1->SetText("Edit1");
  source.Edit1->SetMaxLength(20);
  source.Edit1->SetReadOnly(true);
  source.Edit1->SetColor(clYellow);
  source.Edit1->SetTag(9999);
  return WriteComponentResource(source);
}

}  // namespace

VEXA_DEFINE_CLASS(TStdTestForm) {}

TEST(StdCtrlsStreaming, AFormResourceGivesBackEveryControlsStoredValues) {
  TResourceOverride resources;
  resources.Set("TStdTestForm", StoredForm());
  std::unique_ptr<TStdTestForm> form(CreateFormFromResource<TStdTestForm>(nullptr));
  form->Show();
  PumpMessages();

  EXPECT_EQ(form->Button1->Caption(), "Load skin...");
  EXPECT_TRUE(form->Button1->Default());
  EXPECT_EQ(form->Button1->ModalResult(), mrOk);
  EXPECT_EQ(form->BitBtn1->Kind(), bkAll);
  EXPECT_EQ(form->BitBtn1->Caption(), "All") << "the stored caption wins over the stock one";
  EXPECT_EQ(form->BitBtn1->Layout(), blGlyphTop);
  EXPECT_FALSE(form->BitBtn1->Glyph()->Empty());
  EXPECT_EQ(form->CheckBox1->State(), cbGrayed);
  EXPECT_EQ(SendMessageW(form->CheckBox1->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_TRUE(form->CheckBox1->AllowGrayed());
  ASSERT_EQ(form->RadioGroup1->ButtonCount(), 3);
  EXPECT_EQ(form->RadioGroup1->Columns(), 2);
  EXPECT_EQ(form->RadioGroup1->ItemIndex(), 1);
  EXPECT_TRUE(form->RadioGroup1->Buttons(1)->Checked());
  EXPECT_EQ(form->Memo1->Lines()->Count(), 2);
  EXPECT_EQ(form->Memo1->Lines()->Strings(1), "second");
  EXPECT_TRUE(WindowStyle(form->Memo1->Handle()) & WS_VSCROLL);
  EXPECT_FALSE(WindowExStyle(form->Memo1->Handle()) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(form->ListBox1->Sorted());
  EXPECT_EQ(form->ListBox1->Items()->CommaText(), "a,b,c");
  EXPECT_EQ(SendMessageW(form->ListBox1->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(form->ComboBox1->Style(), csDropDownList);
  EXPECT_EQ(form->ComboBox1->ItemIndex(), 2);
  EXPECT_EQ(form->ComboBox1->Text(), "Item3");
  EXPECT_EQ(form->Edit1->Text(), "Edit1");
  EXPECT_EQ(form->Edit1->MaxLength(), 20);
  EXPECT_TRUE(WindowStyle(form->Edit1->Handle()) & ES_READONLY);
  EXPECT_EQ(form->Edit1->Color(), clYellow);
  EXPECT_EQ(form->Edit1->Tag(), 9999);
  // The radio group's buttons are not components of the form: nothing of them was stored.
  for (int i = 0; i < form->ComponentCount(); ++i)
    EXPECT_FALSE(dynamic_cast<TRadioButton*>(form->Components(i))) << form->Components(i)->Name();
}
