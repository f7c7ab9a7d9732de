#include "TestForms.h"

#include <commctrl.h>

#include "ControlMessages.h"
#include "Filer.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TTestBox) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Color, "TColor").Default(clBtnFace).Stored(&TControl::IsColorStored);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Font).Stored(&TControl::IsFontStored);
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(ParentFont).Default(true);
  PUBLISHED(TabStop).Default(false);
  PUBLISHED(Visible).Default(true);
  PUBLISHED(Marker).Default(0);
}

TTestBox::TTestBox(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 60, 40); }

void TTestBox::SetMarker(int Value) {
  FMarker = Value;
  MarkerSetWhileReading = ComponentState().Contains(csLoading) && ComponentState().Contains(csReading);
}

void TTestBox::Paint() {
  ++PaintCount;
  Canvas().FillRect(ClientRect());
}

void TTestBox::Loaded() {
  inherited::Loaded();
  ++LoadedCount;
  ColorAtLoaded = Color();
}

VEXA_DEFINE_CLASS(TTestShape) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(Caption, "TCaption");
  PUBLISHED(Color, "TColor").Default(clBtnFace).Stored(&TControl::IsColorStored);
  PUBLISHED(ParentColor).Default(false);
  PUBLISHED(Visible).Default(true);
  PUBLISHED(ShowHint).Default(false);
}

TTestShape::TTestShape(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 20, 20); }

void TTestShape::WndProc(TMessage& Message) {
  Messages.push_back(Message);
  inherited::WndProc(Message);
}

void TTestShape::Paint() {
  ++PaintCount;
  Canvas().FillRect(ClientRect());
}

void TTestShape::Loaded() {
  inherited::Loaded();
  ++LoadedCount;
}

VEXA_DEFINE_CLASS(TTestItem) {
  PUBLISHED(Value).Default(0);
  PUBLISHED(Text);
}

VEXA_DEFINE_CLASS(TTestData) { PUBLISHED(Items); }

TTestData::TTestData(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TCollection>(TTestItem::StaticClassInfo(), this)) {}

void TTestData::DefineProperties(TFiler& Filer) {
  inherited::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data", [this](std::span<const uint8_t> Data) { Bytes.assign(Data.begin(), Data.end()); },
      [this] { return Bytes; }, !Bytes.empty());
}

void TTestData::Loaded() {
  inherited::Loaded();
  ++LoadedCount;
}

VEXA_DEFINE_CLASS(TTestMenu) {}

TTestMenu::TTestMenu(TComponent* AOwner, int ItemCount) : TComponent(AOwner), FItemCount(ItemCount) {}

TTestMenu::~TTestMenu() {
  if (FMenu) DestroyMenu(FMenu);
}

HMENU TTestMenu::Handle() {
  if (!FMenu) {
    FMenu = CreateMenu();
    for (int i = 0; i < FItemCount; ++i) {
      const std::wstring caption = L"Item number " + std::to_wstring(i + 1);
      AppendMenuW(FMenu, MF_STRING, static_cast<UINT_PTR>(100 + i), caption.c_str());
    }
  }
  return FMenu;
}

bool TTestMenu::DispatchCommand(UINT CommandId) {
  Commands.push_back(CommandId);
  return true;
}

VEXA_DEFINE_CLASS(TTestButton) { PUBLISHED(Caption, "TCaption"); }

TTestButton::TTestButton(TComponent* AOwner) : TNativeControl(AOwner, L"BUTTON") {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TTestButton::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  Params.Style |= BS_PUSHBUTTON;
}

void TTestButton::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && HIWORD(Message.WParam) == BN_CLICKED) return Click();
  inherited::WndProc(Message);
}

VEXA_DEFINE_CLASS(TTestStatic) { PUBLISHED(Color, "TColor"); }

VEXA_DEFINE_CLASS(TTestTabs) {}

TTestTabs::TTestTabs(TComponent* AOwner) : TNativeControl(AOwner, WC_TABCONTROLW, ICC_TAB_CLASSES) {
  SetBounds(0, 0, 150, 80);
}

void TTestTabs::WndProc(TMessage& Message) {
  if (Message.Msg == CN_NOTIFY) {
    Notifications.push_back(reinterpret_cast<const NMHDR*>(Message.LParam)->code);
    Message.Result = 0;
    return;
  }
  inherited::WndProc(Message);
}

VEXA_DEFINE_CLASS(TMainTestForm) {}

TMainTestForm::TMainTestForm(TComponent* AOwner) : TForm(AOwner) {
  Timer1 = new TTimer(this);
  Timer1->SetName("Timer1");
  Timer1->SetEnabled(false);
  Data1 = new TTestData(this);
  Data1->SetName("Data1");
  SetOnCreate([this](TObject*) { Events.push_back("create"); });
  SetOnShow([this](TObject*) { Events.push_back("show"); });
}

void TMainTestForm::Loaded() {
  inherited::Loaded();
  ++LoadedCount;
  Events.push_back("loaded");
}

VEXA_DEFINE_CLASS(TSecondTestForm) {}

TSecondTestForm::TSecondTestForm(TComponent* AOwner) : TForm(AOwner) {
  SetBounds(40, 40, 400, 300);
  Box1 = new TTestBox(this);
  Box1->SetName("Box1");
  Box1->SetParent(this);
  Box1->SetBounds(10, 10, 200, 120);
  Shape1 = new TTestShape(this);
  Shape1->SetName("Shape1");
  Shape1->SetParent(Box1);
  Shape1->SetBounds(20, 20, 30, 30);
  Shape2 = new TTestShape(this);
  Shape2->SetName("Shape2");
  Shape2->SetParent(this);
  Shape2->SetBounds(250, 20, 40, 40);
}

void TSecondTestForm::Loaded() {
  inherited::Loaded();
  ++LoadedCount;
}
