#pragma once
// Controls, components and forms the tests build: two forms made in code, the second with a
// custom-drawn control and a graphic control, a timer, a component with a collection and a
// raw-bytes value, a menu, and native controls.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Collection.h"
#include "CollectionItem.h"
#include "CustomControl.h"
#include "Form.h"
#include "GraphicControl.h"
#include "MenuBarSource.h"
#include "NativeControl.h"
#include "Timer.h"

// A custom-drawn control that fills itself with its Color. It records its paints, its Loaded
// call, and whether its Marker property was set while its form was being read.
class TTestBox : public TCustomControl {
  VEXA_CLASS(TTestBox, TCustomControl)

public:
  explicit TTestBox(TComponent* AOwner);

  int Marker() const { return FMarker; }
  void SetMarker(int Value);

  int PaintCount = 0;
  int LoadedCount = 0;
  TColor ColorAtLoaded = clNone;
  bool MarkerSetWhileReading = false;

protected:
  void Paint() override;
  void Loaded() override;

private:
  int FMarker = 0;
};

// A graphic control that fills itself with its Color and records the messages its parent hands it.
class TTestShape : public TGraphicControl {
  VEXA_CLASS(TTestShape, TGraphicControl)

public:
  explicit TTestShape(TComponent* AOwner);
  void WndProc(TMessage& Message) override;

  int PaintCount = 0;
  int LoadedCount = 0;
  std::vector<TMessage> Messages;

protected:
  void Paint() override;
  void Loaded() override;
};

class TTestItem : public TCollectionItem {
  VEXA_CLASS(TTestItem, TCollectionItem)

public:
  explicit TTestItem(TCollection* Collection) : TCollectionItem(Collection) {}
  int Value() const { return FValue; }
  void SetValue(int Value) { FValue = Value; }
  const std::string& Text() const { return FText; }
  void SetText(const std::string& Value) { FText = Value; }

private:
  int FValue = 0;
  std::string FText;
};

// A component with a collection and a raw-bytes value stored as a defined property "Data".
class TTestData : public TComponent {
  VEXA_CLASS(TTestData, TComponent)

public:
  explicit TTestData(TComponent* AOwner);
  TCollection* Items() const { return FItems.get(); }
  void SetItems(TCollection* Value) { FItems->Assign(Value); }

  std::vector<uint8_t> Bytes;
  int LoadedCount = 0;

protected:
  void DefineProperties(TFiler& Filer) override;
  void Loaded() override;

private:
  std::unique_ptr<TCollection> FItems;
};

// A main menu with ItemCount top-level items; records the commands the form hands it.
class TTestMenu : public TComponent, public TMenuBarSource {
  VEXA_CLASS(TTestMenu, TComponent)

public:
  explicit TTestMenu(TComponent* AOwner, int ItemCount = 2);
  ~TTestMenu() override;
  HMENU Handle() override;
  bool DispatchCommand(UINT CommandId) override;

  std::vector<UINT> Commands;

private:
  int FItemCount;
  HMENU FMenu = nullptr;
};

class TTestButton : public TNativeControl {
  VEXA_CLASS(TTestButton, TNativeControl)

public:
  explicit TTestButton(TComponent* AOwner);
  void WndProc(TMessage& Message) override;

protected:
  void CreateParams(TCreateParams& Params) const override;
};

class TTestStatic : public TNativeControl {
  VEXA_CLASS(TTestStatic, TNativeControl)

public:
  explicit TTestStatic(TComponent* AOwner) : TNativeControl(AOwner, L"STATIC") {}
};

class TTestTabs : public TNativeControl {
  VEXA_CLASS(TTestTabs, TNativeControl)

public:
  explicit TTestTabs(TComponent* AOwner);
  void WndProc(TMessage& Message) override;

  std::vector<UINT> Notifications;  // the codes of the reflected WM_NOTIFY messages
};

// The first form: a timer and a data component, no controls.
class TMainTestForm : public TForm {
  VEXA_CLASS(TMainTestForm, TForm)

public:
  explicit TMainTestForm(TComponent* AOwner);

  TTimer* Timer1;
  TTestData* Data1;
  int LoadedCount = 0;
  std::vector<std::string> Events;

protected:
  void Loaded() override;
};

// The second form: a custom-drawn control with a graphic control on it, and a graphic control on
// the form itself.
class TSecondTestForm : public TForm {
  VEXA_CLASS(TSecondTestForm, TForm)

public:
  explicit TSecondTestForm(TComponent* AOwner);

  TTestBox* Box1;
  TTestShape* Shape1;
  TTestShape* Shape2;
  int LoadedCount = 0;

protected:
  void Loaded() override;
};
