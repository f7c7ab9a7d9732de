#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ClassesErrors.h"
#include "PropertyApi.h"
#include "TFont.h"

TEST(TFont, SizeAndHeightAreTwoViewsOfOneValue) {
  TFont font;
  font.SetSize(8);
  EXPECT_EQ(font.Height(), -MulDiv(8, TFont::PixelsPerInch(), 72));
  font.SetHeight(-16);
  EXPECT_EQ(font.Size(), MulDiv(16, 72, TFont::PixelsPerInch()));
}

TEST(TFont, StyleSetsAndReadsBackEachFlag) {
  TFont font;
  const TFontStyles styles[] = {0,           fsBold, fsItalic, fsUnderline,
                                fsStrikeOut, fsBold | fsItalic | fsUnderline | fsStrikeOut};
  for (TFontStyles s : styles) {
    font.SetStyle(s);
    EXPECT_EQ(font.Style(), s);
  }
  font.SetStyle(fsBold);
  EXPECT_EQ(font.LogFont().lfWeight, FW_BOLD);
}

TEST(TFont, AssignCopiesDescriptionAndColourAndMakesItsOwnHandle) {
  TFont a, b;
  a.SetName(L"Tahoma");
  a.SetHeight(-13);
  a.SetStyle(fsItalic);
  a.SetColor(clRed);
  b.Handle();  // the old handle must be dropped, not kept
  b.Assign(a);
  EXPECT_EQ(b.Name(), L"Tahoma");
  EXPECT_EQ(b.Height(), -13);
  EXPECT_EQ(b.Style(), TFontStyles(fsItalic));
  EXPECT_EQ(b.Color(), clRed);
  EXPECT_NE(b.Handle(), a.Handle());
  LOGFONTW made{};
  ASSERT_NE(GetObjectW(b.Handle(), sizeof(made), &made), 0);
  EXPECT_EQ(made.lfHeight, -13);
  EXPECT_TRUE(made.lfItalic);
}

TEST(TFont, AssignLogFontKeepsTheColour) {
  TFont font;
  font.SetColor(clBlue);
  LOGFONTW lf{};
  lf.lfHeight = -20;
  lf.lfWeight = FW_BOLD;
  wcscpy(lf.lfFaceName, L"Courier New");
  font.AssignLogFont(lf);
  EXPECT_EQ(font.Color(), clBlue);
  EXPECT_EQ(font.Name(), L"Courier New");
  EXPECT_EQ(font.Height(), -20);
  EXPECT_EQ(font.Style(), TFontStyles(fsBold));
}

namespace {

// Counts the OnChange calls of a font and checks they name it as the sender.
struct TChangeCounter {
  explicit TChangeCounter(TFont& Font) {
    Font.SetOnChange([this, &Font](TObject* Sender) {
      ++Count;
      if (Sender != &Font) ++WrongSender;
    });
  }
  int Count = 0;
  int WrongSender = 0;
};

}  // namespace

TEST(TFont, OnChangeRunsOncePerChangingSetterAndNotForTheSameValue) {
  struct Case {
    const char* What;
    void (*Change)(TFont&);
  } cases[] = {
      {"Name", [](TFont& f) { f.SetName(L"Courier New"); }},
      {"FaceName", [](TFont& f) { f.SetFaceName("Courier New"); }},
      {"Height", [](TFont& f) { f.SetHeight(-21); }},
      {"Size", [](TFont& f) { f.SetSize(17); }},
      {"Style", [](TFont& f) { f.SetStyle(fsBold | fsUnderline); }},
      {"StyleSet", [](TFont& f) { f.SetStyleSet({TFontStyleItem::fsItalic}); }},
      {"Color", [](TFont& f) { f.SetColor(clRed); }},
      {"Charset", [](TFont& f) { f.SetCharset(GREEK_CHARSET); }},
  };
  for (const Case& c : cases) {
    TFont font;
    TChangeCounter changes(font);
    c.Change(font);
    EXPECT_EQ(changes.Count, 1) << c.What;
    c.Change(font);
    EXPECT_EQ(changes.Count, 1) << c.What << ": the same value again changes nothing";
    EXPECT_EQ(changes.WrongSender, 0) << c.What;
  }
}

TEST(TFont, OnChangeRunsOnceForEachAssign) {
  TFont source;
  source.SetName(L"Tahoma");
  source.SetHeight(-15);
  source.SetStyle(fsBold | fsItalic);
  source.SetColor(clNavy);
  TFont font;
  TChangeCounter changes(font);
  font.Assign(source);
  EXPECT_EQ(changes.Count, 1) << "one change for the whole description";
  font.Assign(static_cast<const TPersistent*>(&source));
  EXPECT_EQ(changes.Count, 2) << "as a persistent too";
  font.AssignLogFont(source.LogFont());
  EXPECT_EQ(changes.Count, 3);
  font.Assign(font);
  EXPECT_EQ(changes.Count, 3) << "itself: nothing to do";
  EXPECT_EQ(font.Color(), clNavy);
  EXPECT_EQ(font.Style(), TFontStyles(fsBold | fsItalic));
  EXPECT_THROW(font.Assign(static_cast<const TPersistent*>(nullptr)), EConvertError);
  EXPECT_EQ(changes.Count, 3);
}

TEST(TFont, PublishesItsDescriptionForStreaming) {
  struct Case {
    const char* Prop;
    const char* TypeName;
    TTypeKind Kind;
    bool Stored;
  } cases[] = {
      {"Charset", "TFontCharset", tkInteger, true}, {"Color", "TColor", tkColor, true},
      {"Height", "Integer", tkInteger, true},       {"Name", "TFontName", tkString, true},
      {"Size", "Integer", tkInteger, false},        {"Style", "TFontStyles", tkSet, true},
  };
  TFont font;
  std::vector<std::string> names;
  for (const TPropInfo* prop : GetPropList(&font)) names.push_back(prop->Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Charset", "Color", "Height", "Name", "Size", "Style"}));
  for (const Case& c : cases) {
    const TPropInfo* prop = GetPropInfo(&font, c.Prop);
    ASSERT_NE(prop, nullptr) << c.Prop;
    EXPECT_EQ(prop->PropType().Name(), c.TypeName) << c.Prop;
    EXPECT_EQ(prop->Kind(), c.Kind) << c.Prop;
    EXPECT_EQ(prop->IsStored(font), c.Stored) << c.Prop;
  }
  // Set by name, the setters run: the GDI font follows.
  SetStrProp(&font, "Name", "Courier New");
  SetSetProp(&font, "Style", "fsBold,fsStrikeOut");
  SetOrdProp(&font, "Size", 12);
  SetOrdProp(&font, "Charset", GREEK_CHARSET);
  EXPECT_EQ(GetSetProp(&font, "Style"), "fsBold,fsStrikeOut");
  EXPECT_EQ(GetOrdProp(&font, "Height"), -MulDiv(12, TFont::PixelsPerInch(), 72));
  LOGFONTW made{};
  ASSERT_NE(GetObjectW(font.Handle(), sizeof(made), &made), 0);
  EXPECT_EQ(std::wstring(made.lfFaceName), L"Courier New");
  EXPECT_EQ(made.lfWeight, FW_BOLD);
  EXPECT_TRUE(made.lfStrikeOut);
  EXPECT_EQ(made.lfCharSet, GREEK_CHARSET);
  EXPECT_EQ(made.lfHeight, font.Height());
  EXPECT_THROW(SetOrdProp(&font, "Charset", 256), EPropertyError) << "a byte";
}
