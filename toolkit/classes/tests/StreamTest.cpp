// Form resources: a written form read into a fresh one restores every stored value, defaults are
// left out, values are applied in stream order through the setters while csLoading is set, and
// Loaded follows once everything is read.
#include <gtest/gtest.h>

#include <algorithm>

#include "ClassesErrors.h"
#include "FormFixture.h"
#include "Reader.h"
#include "Writer.h"

namespace {

bool AnyLoadingState(TComponent& Root) {
  if (Root.ComponentState().Contains(csLoading) || Root.ComponentState().Contains(csReading)) return true;
  for (int i = 0; i < Root.ComponentCount(); ++i)
    if (AnyLoadingState(*Root.Components(i))) return true;
  return false;
}

int IndexIn(const std::vector<std::string>& Log, const std::string& Entry) {
  auto it = std::find(Log.begin(), Log.end(), Entry);
  return it == Log.end() ? -1 : static_cast<int>(it - Log.begin());
}

}  // namespace

TEST(FormResource, RoundTripRestoresEveryStoredValue) {
  TTestForm original;
  FillForm(original);
  const std::vector<uint8_t> resource = WriteComponentResource(original);

  TTestForm copy;
  const std::string freshState = DumpState(copy);
  ReadComponentResource(copy, resource);
  EXPECT_EQ(DumpState(copy), DumpState(original));
  EXPECT_NE(DumpState(copy), freshState) << "the fixture must differ from a fresh form";

  // References point at the new form's own components, also below the root.
  EXPECT_EQ(copy.Button1->PopupMenu(), copy.Menu1);
  EXPECT_EQ(copy.Memo1->PopupMenu(), copy.Frame1->FindComponent("PopupMenu1"));
  EXPECT_EQ(copy.Frame1->Button->PopupMenu(), copy.Menu1);
  EXPECT_EQ(copy.Name(), "Form1") << "an unnamed root takes the resource's name";
  EXPECT_EQ(copy.Frame1->Button->Caption(), "Inner") << "same name, other owner, own values";
}

TEST(FormResource, WritingWhatWasReadGivesTheSameBytes) {
  TTestForm original;
  FillForm(original);
  const std::vector<uint8_t> resource = WriteComponentResource(original);
  TTestForm copy;
  copy.SetDesigning(true);  // as a form designer saving the form again
  ReadComponentResource(copy, resource);
  EXPECT_EQ(WriteComponentResource(copy), resource);
}

TEST(FormResource, DefaultsAreLeftOutAndOtherValuesAlwaysWritten) {
  TTestForm plain;
  plain.SetName("Form1");
  const std::vector<uint8_t> resource = WriteComponentResource(plain);

  TTestForm target;
  target.Button1->SetVisible(false);     // Visible has a default: not in the resource
  target.Button1->Font()->SetSize(20);   // nor Font.Size
  target.Button1->SetColor(1);           // Color has none: written, so it comes back
  target.Engine1->Skins()->Add();        // collections are always written: emptied again
  ReadComponentResource(target, resource);
  EXPECT_FALSE(target.Button1->Visible());
  EXPECT_EQ(target.Button1->Font()->Size(), 20);
  EXPECT_EQ(target.Button1->Color(), plain.Button1->Color());
  EXPECT_EQ(target.Engine1->Skins()->Count(), 0);
}

TEST(FormResource, SettersRunWhileLoadingAndLoadedFollowsEverything) {
  TTestForm original;
  FillForm(original);
  const std::vector<uint8_t> resource = WriteComponentResource(original);
  TTestForm copy;
  ReadComponentResource(copy, resource);
  const std::vector<std::string>& log = EventLog();

  const int firstLoaded = IndexIn(log, "Button1.Loaded");
  ASSERT_GE(firstLoaded, 0);
  for (int i = 0; i < firstLoaded; ++i)
    EXPECT_NE(log[static_cast<size_t>(i)].find("(loading)"), std::string::npos) << log[static_cast<size_t>(i)];
  // Stream order: published properties before the defined ones, so SkinData sees Active and Password.
  EXPECT_LT(IndexIn(log, "Engine1.Active (loading)"), IndexIn(log, "Engine1.SkinData (loading)"));
  EXPECT_EQ(copy.Engine1->PasswordWhenDataRead, "secret");
  EXPECT_TRUE(copy.Engine1->ActiveWhenDataRead);
  EXPECT_EQ(static_cast<TTestSkinItem*>(copy.Engine1->Skins()->Items(0))->PasswordWhenDataRead, "pa");

  // Loaded once each, every component after those it owns, the root last.
  const std::vector<std::string> loaded(log.begin() + firstLoaded, log.end());
  EXPECT_EQ(loaded, (std::vector<std::string>{"Button1.Loaded", "Memo1.Loaded", "Button1.Loaded", "Frame1.Loaded",
                                              "Form1.Loaded"}));
  EXPECT_FALSE(AnyLoadingState(copy));
}

TEST(FormResource, ReferencesToAnotherFormGoThroughTheGlobalLookup) {
  static TTestForm* other = nullptr;
  TTestForm second;
  second.SetName("Form2");
  other = &second;
  TTestForm original;
  original.SetName("Form1");
  original.Button1->SetPopupMenu(second.Menu1);
  const std::vector<uint8_t> resource = WriteComponentResource(original);

  TTestForm copy;
  try {
    ReadComponentResource(copy, resource);
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Error reading Button1.PopupMenu: there is no component named Form2.Menu1");
  }
  SetFindGlobalComponent([](std::string_view Name) -> TComponent* { return Name == "Form2" ? other : nullptr; });
  ReadComponentResource(copy, resource);
  SetFindGlobalComponent(nullptr);
  EXPECT_EQ(copy.Button1->PopupMenu(), second.Menu1);

  delete second.Menu1;  // the reference hears of it through FreeNotification
  EXPECT_EQ(copy.Button1->PopupMenu(), nullptr);
}

TEST(FormResource, DefinedPropertiesMustWriteExactlyOneValue) {
  class TChatty : public TComponent {
  public:
    using TComponent::TComponent;
    int Values = 2;

  protected:
    void DefineProperties(TFiler& Filer) override {
      Filer.DefineProperty(
          "Chatter", nullptr,
          [this](TWriter& Writer) {
            for (int i = 0; i < Values; ++i) Writer.WriteInteger(i);
          },
          true);
    }
  };
  TChatty chatty(nullptr);
  std::vector<uint8_t> output{0xAB};
  TWriter writer(chatty, output);
  EXPECT_THROW(writer.WriteRootComponent(), EWriteError);
  EXPECT_EQ(output, std::vector<uint8_t>{0xAB}) << "nothing appended on failure";
  chatty.Values = 0;
  EXPECT_THROW(writer.WriteRootComponent(), EWriteError);
  EXPECT_FALSE(chatty.ComponentState().Contains(csWriting));
  chatty.Values = 1;
  writer.WriteRootComponent();
  EXPECT_GT(output.size(), 1u);
}
