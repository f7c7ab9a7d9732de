#include "FormFixture.h"

#include <cstdio>

#include "PropertyApi.h"
#include "Reader.h"
#include "Writer.h"

std::vector<std::string>& EventLog() {
  static std::vector<std::string> log;
  return log;
}

void LogEvent(const TComponent* Who, const std::string& What) {
  const bool loading = Who->ComponentState().Contains(csLoading);
  EventLog().push_back(Who->Name() + "." + What + (loading ? " (loading)" : ""));
}

VEXA_DEFINE_CLASS(TTestFont) {
  PUBLISHED(Name).Default("Tahoma");
  PUBLISHED(Size).Default(8);
  PUBLISHED(Color, "TColor").Default(0);
  PUBLISHED(Style).Default({});
}

void TTestFont::Assign(const TPersistent* Source) {
  const auto* font = dynamic_cast<const TTestFont*>(Source);
  if (!font) return TPersistent::Assign(Source);
  FName = font->FName;
  FSize = font->FSize;
  FColor = font->FColor;
  FStyle = font->FStyle;
}

VEXA_DEFINE_CLASS(TTestMenu) { PUBLISHED(AutoPopup).Default(true); }

VEXA_DEFINE_CLASS(TTestControl) {
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Visible).Default(true);
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default({akLeft, akTop});
  PUBLISHED(Color, "TColor");
  PUBLISHED(Width).Default(0);
  PUBLISHED(Font);
  PUBLISHED(PopupMenu);
}

void TTestControl::SetCaption(const std::string& Value) {
  FCaption = Value;
  LogEvent(this, "Caption");
}

void TTestControl::SetVisible(bool Value) {
  FVisible = Value;
  LogEvent(this, "Visible");
}

void TTestControl::SetAlign(TTestAlign Value) {
  FAlign = Value;
  LogEvent(this, "Align");
}

void TTestControl::SetAnchors(TTestAnchors Value) {
  FAnchors = Value;
  LogEvent(this, "Anchors");
}

void TTestControl::SetColor(int32_t Value) {
  FColor = Value;
  LogEvent(this, "Color");
}

void TTestControl::SetWidth(int32_t Value) {
  FWidth = Value;
  LogEvent(this, "Width");
}

void TTestControl::SetPopupMenu(TTestMenu* Value) {
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
  LogEvent(this, "PopupMenu");
}

void TTestControl::Loaded() {
  TComponent::Loaded();
  LogEvent(this, "Loaded");
}

void TTestControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

VEXA_DEFINE_CLASS(TTestButton) {
  PUBLISHED(Width).Default(75);
  PUBLISHED(Default).Default(false);
  PUBLISHED(ModalResult).Default(0);
}

VEXA_DEFINE_CLASS(TTestMemo) { PUBLISHED(Lines); }

VEXA_DEFINE_CLASS(TTestSkinItem) {
  PUBLISHED(SkinFile);
  PUBLISHED(Password);
}

void TTestSkinItem::Assign(const TPersistent* Source) {
  const auto* item = dynamic_cast<const TTestSkinItem*>(Source);
  if (!item) return TCollectionItem::Assign(Source);
  FSkinFile = item->FSkinFile;
  FPassword = item->FPassword;
  Data = item->Data;
}

void TTestSkinItem::DefineProperties(TFiler& Filer) {
  inherited::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "SkinData",
      [this](std::span<const uint8_t> Bytes) {
        Data.assign(Bytes.begin(), Bytes.end());
        PasswordWhenDataRead = FPassword;
      },
      [this] { return Data; }, !Data.empty());
}

VEXA_DEFINE_CLASS(TTestEngine) {
  PUBLISHED(Active).Default(false);
  PUBLISHED(Password);
  PUBLISHED(DisabledTag).Default(9999);
  PUBLISHED(Skins);
  PUBLISHED(AutoNames);
}

TTestEngine::TTestEngine(TComponent* AOwner)
    : TComponent(AOwner), FSkins(std::make_unique<TCollection>(TTestSkinItem::StaticClassInfo(), this)) {}

void TTestEngine::SetActive(bool Value) {
  FActive = Value;
  LogEvent(this, "Active");
}

void TTestEngine::DefineProperties(TFiler& Filer) {
  inherited::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "SkinData",
      [this](std::span<const uint8_t> Bytes) {
        Data.assign(Bytes.begin(), Bytes.end());
        PasswordWhenDataRead = FPassword;
        ActiveWhenDataRead = FActive;
        LogEvent(this, "SkinData");
      },
      [this] { return Data; }, !Data.empty());
  Filer.DefineProperty(
      "Numbers",
      [this](TReader& Reader) {
        Numbers.clear();
        Reader.ReadListBegin();
        while (!Reader.EndOfList()) Numbers.push_back(Reader.ReadInteger());
        Reader.ReadListEnd();
      },
      [this](TWriter& Writer) {
        Writer.WriteListBegin();
        for (int64_t n : Numbers) Writer.WriteInteger(n);
        Writer.WriteListEnd();
      },
      !Numbers.empty());
}

VEXA_DEFINE_CLASS(TTestFrame) {}

TTestFrame::TTestFrame(TComponent* AOwner) : TComponent(AOwner), Button(new TTestButton(this)) {
  Button->SetName("Button1");  // the form has a Button1 too: names are unique per owner only
  (new TTestMenu(this))->SetName("PopupMenu1");
}

void TTestFrame::Loaded() {
  TComponent::Loaded();
  LogEvent(this, "Loaded");
}

VEXA_DEFINE_CLASS(TTestForm) {
  PUBLISHED(Caption);
  PUBLISHED(Color, "TColor");
}

TTestForm::TTestForm(TComponent* AOwner) : TComponent(AOwner) {
  Button1 = new TTestButton(this);
  Button1->SetName("Button1");
  Memo1 = new TTestMemo(this);
  Memo1->SetName("Memo1");
  Menu1 = new TTestMenu(this);
  Menu1->SetName("Menu1");
  Engine1 = new TTestEngine(this);
  Engine1->SetName("Engine1");
  Frame1 = new TTestFrame(this);
  Frame1->SetName("Frame1");
  EventLog().clear();
}

void TTestForm::SetCaption(const std::string& Value) {
  FCaption = Value;
  LogEvent(this, "Caption");
}

void TTestForm::Loaded() {
  TComponent::Loaded();
  LogEvent(this, "Loaded");
}

namespace {

std::string Hex(const std::vector<uint8_t>& Bytes) {
  std::string result;
  char digits[4];
  for (uint8_t b : Bytes) {
    std::snprintf(digits, sizeof digits, "%02x", b);
    result += digits;
  }
  return result;
}

void DumpObject(std::string& Out, TObject& Instance, const std::string& Path) {
  for (const TPropInfo* prop : GetPropList(&Instance)) {
    const std::string at = Path + "." + prop->Name();
    switch (prop->Kind()) {
      case tkString: Out += at + "=" + GetStrProp(&Instance, *prop) + "\n"; break;
      case tkBoolean:
      case tkEnumeration: Out += at + "=" + GetEnumName(prop->PropType(), GetOrdProp(&Instance, *prop)) + "\n"; break;
      case tkSet: Out += at + "=[" + GetSetProp(&Instance, prop->Name()) + "]\n"; break;
      case tkInteger:
      case tkColor: Out += at + "=" + std::to_string(GetOrdProp(&Instance, *prop)) + "\n"; break;
      case tkComponent: {
        auto* target = dynamic_cast<TComponent*>(GetObjectProp(&Instance, *prop));
        Out += at + "=" + (target ? target->GetNamePath() : std::string("nil")) + "\n";
        break;
      }
      case tkClass: {
        TObject* sub = GetObjectProp(&Instance, *prop);
        if (auto* collection = dynamic_cast<TCollection*>(sub)) {
          Out += at + ".Count=" + std::to_string(collection->Count()) + "\n";
          for (int i = 0; i < collection->Count(); ++i)
            DumpObject(Out, *collection->Items(i), at + "[" + std::to_string(i) + "]");
        } else if (auto* strings = dynamic_cast<TStrings*>(sub)) {
          Out += at + ".CommaText=" + strings->CommaText() + "\n";
        } else if (sub) {
          DumpObject(Out, *sub, at);
        }
        break;
      }
    }
  }
  if (auto* item = dynamic_cast<TTestSkinItem*>(&Instance)) Out += Path + ".SkinData=" + Hex(item->Data) + "\n";
  if (auto* engine = dynamic_cast<TTestEngine*>(&Instance)) {
    Out += Path + ".SkinData=" + Hex(engine->Data) + "\n";
    Out += Path + ".Numbers=";
    for (int64_t n : engine->Numbers) Out += std::to_string(n) + ",";
    Out += "\n";
  }
}

void DumpTree(std::string& Out, TComponent& Component, const std::string& Path) {
  DumpObject(Out, Component, Path);
  for (int i = 0; i < Component.ComponentCount(); ++i) {
    TComponent* child = Component.Components(i);
    DumpTree(Out, *child, Path + "/" + child->Name());
  }
}

}  // namespace

std::string DumpState(TObject& Instance) {
  std::string out;
  if (auto* component = dynamic_cast<TComponent*>(&Instance))
    DumpTree(out, *component, component->Name());
  else
    DumpObject(out, Instance, Instance.ClassName());
  return out;
}

void FillForm(TTestForm& Form) {
  Form.SetName("Form1");
  Form.SetCaption("Main window");
  Form.SetColor(0x123456);
  Form.SetTag(7);

  TTestButton& button = *Form.Button1;
  button.SetCaption("OK \xC3\xA9");  // UTF-8 survives unchanged
  button.SetVisible(false);
  button.SetAlign(alBottom);
  button.SetAnchors({akRight, akBottom});
  button.SetColor(-16777201);  // a system colour: negative
  button.SetWidth(120);
  button.Font()->SetName("Verdana");
  button.Font()->SetSize(11);
  button.Font()->SetColor(0xFF);
  button.Font()->SetStyle({fsBold, fsUnderline});
  button.SetPopupMenu(Form.Menu1);
  button.SetDefault(true);
  button.SetModalResult(1);
  button.SetTag(-3);

  TTestMemo& memo = *Form.Memo1;
  memo.Lines()->SetText("first\r\nSecond=2\r\n\r\nlast, \"quoted\"");
  memo.SetWidth(300);
  memo.SetAlign(alClient);
  memo.SetAnchors({});  // empty, unlike the default
  memo.SetPopupMenu(static_cast<TTestMenu*>(Form.Frame1->FindComponent("PopupMenu1")));  // below the root

  Form.Menu1->SetAutoPopup(false);

  TTestEngine& engine = *Form.Engine1;
  engine.SetActive(true);
  engine.SetPassword("secret");
  engine.SetDisabledTag(0);
  auto* first = static_cast<TTestSkinItem*>(engine.Skins()->Add());
  first->SetSkinFile("a.mvx");
  first->SetPassword("pa");
  first->Data = {1, 2, 3, 0, 255};
  static_cast<TTestSkinItem*>(engine.Skins()->Add())->SetSkinFile("b.mvx");  // no data
  engine.AutoNames()->Add("TForm");
  engine.AutoNames()->Add("TDialog");
  for (int i = 0; i < 300; ++i) engine.Data.push_back(static_cast<uint8_t>(i * 7));
  engine.Numbers = {1, -200, 70000, 5'000'000'000};

  Form.Frame1->Button->SetCaption("Inner");
  Form.Frame1->Button->SetPopupMenu(Form.Menu1);
  EventLog().clear();
}
