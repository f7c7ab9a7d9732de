// Broken form resources: components or properties the code does not have, values of the wrong type
// or range, truncated, corrupted, hostile data. Each fails with EReadError naming the fault, and a
// fault found before applying leaves the form untouched.
#include <gtest/gtest.h>

#include "ClassesErrors.h"
#include "FormFixture.h"
#include "Reader.h"
#include "StreamFormat.h"
#include "Writer.h"

namespace {

// Builds resources byte by byte.
class TResourceBuilder {
public:
  TResourceBuilder& Raw(std::initializer_list<uint8_t> Bytes) {
    FBytes.insert(FBytes.end(), Bytes);
    return *this;
  }
  TResourceBuilder& Signature() {
    FBytes.insert(FBytes.end(), kFormSignature.begin(), kFormSignature.end());
    return *this;
  }
  TResourceBuilder& Name(std::string_view Text) {
    FBytes.push_back(static_cast<uint8_t>(Text.size()));
    FBytes.insert(FBytes.end(), Text.begin(), Text.end());
    return *this;
  }
  TResourceBuilder& End() { return Raw({vaNull}); }
  TResourceBuilder& Int8(int8_t Value) { return Raw({vaInt8, static_cast<uint8_t>(Value)}); }
  TResourceBuilder& Ident(std::string_view Text) {
    Raw({vaIdent});
    return Name(Text);
  }
  TResourceBuilder& String(std::string_view Text) {
    Raw({vaString, static_cast<uint8_t>(Text.size()), 0, 0, 0});
    FBytes.insert(FBytes.end(), Text.begin(), Text.end());
    return *this;
  }
  // "VXF1" TTestForm "Form1", no properties, then the children that follow.
  TResourceBuilder& FormHeader() { return Signature().Name("TTestForm").Name("Form1").End(); }
  const std::vector<uint8_t>& Bytes() const { return FBytes; }

private:
  std::vector<uint8_t> FBytes;
};

// The message of the EReadError that reading Resource into a fresh form raises; the form must be
// exactly as fresh afterwards when Untouched.
std::string ReadError(const std::vector<uint8_t>& Resource, bool Untouched = true) {
  TTestForm form;
  const std::string before = DumpState(form);
  try {
    ReadComponentResource(form, Resource);
  } catch (const EReadError& e) {
    if (Untouched) {
      EXPECT_EQ(DumpState(form), before) << e.what();
    }
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    return e.what();
  }
  return "(no error)";
}

std::vector<uint8_t> FilledResource() {
  TTestForm form;
  FillForm(form);
  return WriteComponentResource(form);
}

}  // namespace

TEST(FormResourceErrors, ComponentTheCodeDidNotCreate) {
  TTestForm form;
  FillForm(form);
  (new TTestButton(&form))->SetName("Button9");
  EXPECT_EQ(ReadError(WriteComponentResource(form)),
            "Component \"Button9\" of class TTestButton named in the form resource does not exist in TTestForm");
}

TEST(FormResourceErrors, ComponentOfAnotherClass) {
  TTestForm form;
  FillForm(form);
  delete form.Menu1;
  (new TTestButton(&form))->SetName("Menu1");
  EXPECT_EQ(ReadError(WriteComponentResource(form)),
            "Component \"Menu1\" is a TTestMenu in TTestForm, but the form resource names class TTestButton");
}

TEST(FormResourceErrors, RootOfAnotherClass) {
  TTestFrame frame(nullptr);
  try {
    ReadComponentResource(frame, FilledResource());
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "The form resource holds a TTestForm, not a TTestFrame");
  }
}

TEST(FormResourceErrors, PropertiesAndValuesThatDoNotFit) {
  auto button = [](auto&& AddProperty) {
    TResourceBuilder b;
    b.FormHeader().Name("TTestButton").Name("Button1");
    AddProperty(b);
    b.End().End().End();  // Button1's properties, its children, the form's children
    return b.Bytes();
  };
  struct Case {
    std::vector<uint8_t> Resource;
    const char* Message;
  } cases[] = {
      {button([](auto& b) { b.Name("Bogus").Int8(1); }), "Error reading Button1.Bogus: TTestButton has no property \"Bogus\""},
      {button([](auto& b) { b.Name("Caption").Int8(5); }), "Error reading Button1.Caption: expected a string, found the integer 5"},
      {button([](auto& b) { b.Name("Align").Ident("alSideways"); }), "Error reading Button1.Align: \"alSideways\" is not a value of TTestAlign"},
      {button([](auto& b) { b.Name("Anchors").Raw({vaSet}).Name("akTop").Name("akNowhere").End(); }),
       "Error reading Button1.Anchors: \"akNowhere\" is not a value of TTestAnchors"},
      {button([](auto& b) { b.Name("Width").Raw({vaInt64, 0, 0, 0, 0, 1, 0, 0, 0}); }),
       "Error reading Button1.Width: the value 4294967296 is out of range for Integer"},
      {button([](auto& b) { b.Name("Visible").Int8(1); }), "Error reading Button1.Visible: expected a boolean, found the integer 1"},
      {button([](auto& b) { b.Name("Font.Bogus").Int8(1); }), "Error reading Button1.Font.Bogus: TTestFont has no property \"Bogus\""},
      {button([](auto& b) { b.Name("Caption.Length").Int8(1); }),
       "Error reading Button1.Caption: TTestButton has no sub-object property \"Caption\""},
      {button([](auto& b) { b.Name("PopupMenu").Ident("Memo1"); }), "Error reading Button1.PopupMenu: Memo1 is a TTestMemo, not a TTestMenu"},
      {button([](auto& b) { b.Name("PopupMenu").Ident("Frame1.Nowhere"); }),
       "Error reading Button1.PopupMenu: there is no component named Frame1.Nowhere"},
      {button([](auto& b) { b.Name("Font").Int8(1); }), "Error reading Button1.Font: expected a collection, found the integer 1"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadError(c.Resource), c.Message);
}

TEST(FormResourceErrors, DefinedAndCollectionValuesThatDoNotFit) {
  auto engine = [](auto&& AddProperty) {
    TResourceBuilder b;
    b.FormHeader().Name("TTestEngine").Name("Engine1");
    AddProperty(b);
    b.End().End().End();
    return b.Bytes();
  };
  // Found before anything is applied.
  EXPECT_EQ(ReadError(engine([](auto& b) { b.Name("SkinData").String("x"); })),
            "Error reading Engine1.SkinData: expected binary data, found a string");
  EXPECT_EQ(ReadError(engine([](auto& b) { b.Name("Skins").Raw({vaCollection, vaList}).Name("Password").Int8(3).End().End(); })),
            "Error reading Engine1.Skins[0].Password: expected a string, found the integer 3");
  // Found by the read procedure or the item itself, while applying.
  EXPECT_EQ(ReadError(engine([](auto& b) { b.Name("Numbers").Raw({vaList}).Int8(1).String("two").End(); }), false),
            "Error reading Engine1.Numbers: expected an integer, found a string");
  EXPECT_EQ(ReadError(engine([](auto& b) { b.Name("Numbers").Int8(1); }), false),
            "Error reading Engine1.Numbers: expected a list, found the integer 1");
  EXPECT_EQ(ReadError(engine([](auto& b) { b.Name("Skins").Raw({vaCollection, vaList}).Name("Bogus").Int8(3).End().End(); }), false),
            "Error reading Engine1.Skins[0].Bogus: TTestSkinItem has no property \"Bogus\"");
}

TEST(FormResourceErrors, EveryTruncationFailsCleanlyAndChangesNothing) {
  const std::vector<uint8_t> resource = FilledResource();
  ASSERT_GT(resource.size(), 400u);
  for (size_t length = 0; length < resource.size(); ++length) {
    const std::vector<uint8_t> prefix(resource.begin(), resource.begin() + static_cast<std::ptrdiff_t>(length));
    const std::string message = ReadError(prefix);
    EXPECT_EQ(message.rfind("The form resource is truncated", 0), 0u) << "length " << length << ": " << message;
  }
}

TEST(FormResourceErrors, CorruptedBytesFailWithReadErrorsOnly) {
  const std::vector<uint8_t> resource = FilledResource();
  int failures = 0;
  for (size_t at = 0; at < resource.size(); ++at)
    for (uint8_t replacement : {uint8_t{0x00}, uint8_t{0x7F}, static_cast<uint8_t>(resource[at] ^ 0xFF)}) {
      std::vector<uint8_t> damaged = resource;
      damaged[at] = replacement;
      TTestForm form;
      try {
        ReadComponentResource(form, damaged);
      } catch (const EReadError&) {
        ++failures;
        EXPECT_FALSE(form.ComponentState().Contains(csLoading));
      }
      // Any other exception type escapes and fails the test.
    }
  EXPECT_GT(failures, static_cast<int>(resource.size()));
}

TEST(FormResourceErrors, HostileStructure) {
  auto withRootProperty = [](std::initializer_list<uint8_t> Value) {
    TResourceBuilder b;
    b.Signature().Name("TTestForm").Name("Form1").Name("Caption").Raw(Value).End().End();
    return b.Bytes();
  };
  std::vector<uint8_t> deepLists = TResourceBuilder().Signature().Name("TTestForm").Name("Form1").Name("Caption").Bytes();
  deepLists.insert(deepLists.end(), 100000, vaList);
  EXPECT_EQ(ReadError(deepLists).rfind("The form resource is corrupt: data nested too deeply", 0), 0u);

  TResourceBuilder deepComponents;
  deepComponents.Signature();
  for (int i = 0; i < 1000; ++i) deepComponents.Name("TTestForm").Name("Form1").End();
  EXPECT_EQ(ReadError(deepComponents.Bytes()).rfind("The form resource is corrupt: data nested too deeply", 0), 0u);

  EXPECT_EQ(ReadError(withRootProperty({vaString, 0xFF, 0xFF, 0xFF, 0xFF, 'x'})),
            "The form resource is truncated: it ends inside a string at byte 33");
  EXPECT_EQ(ReadError(withRootProperty({0x42})), "The form resource is corrupt: unknown value type 66 at byte 28");
  EXPECT_EQ(ReadError(withRootProperty({vaNull})), "The form resource is corrupt: a missing value at byte 28");

  std::vector<uint8_t> trailing = FilledResource();
  trailing.push_back(0);
  EXPECT_EQ(ReadError(trailing).rfind("The form resource is corrupt: data after the root component", 0), 0u);
  std::vector<uint8_t> wrongSignature = FilledResource();
  wrongSignature[3] = '2';
  EXPECT_EQ(ReadError(wrongSignature), "The form resource is corrupt: not a form resource (signature) at byte 0");
}
