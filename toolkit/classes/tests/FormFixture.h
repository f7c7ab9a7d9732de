#pragma once
// A small form class tree for property and streaming tests: a form owning controls of different
// classes (enum, set, colour, string, bool and int properties, a font sub-object, a string list,
// a component reference), an engine-like component with a collection whose items carry raw bytes,
// a raw-bytes and a list-valued defined property, and a frame owning a component of the same name
// as one of the form's. Setters and Loaded record what they saw in EventLog().
#include <cstdint>
#include <string>
#include <vector>

#include "Collection.h"
#include "Component.h"
#include "Publisher.h"
#include "StringList.h"

VEXA_ENUM(TTestAlign, alNone, alTop, alBottom, alClient)
VEXA_ENUM(TTestAnchorKind, akLeft, akTop, akRight, akBottom)
VEXA_SET(TTestAnchors, TTestAnchorKind)
VEXA_ENUM(TTestFontStyle, fsBold, fsItalic, fsUnderline)
VEXA_SET(TTestFontStyles, TTestFontStyle)

// "Owner.Event" entries; a setter run while the component was loading is marked " (loading)".
std::vector<std::string>& EventLog();
void LogEvent(const TComponent* Who, const std::string& What);

class TTestFont : public TPersistent {
  VEXA_CLASS(TTestFont, TPersistent)

public:
  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value) { FName = Value; }
  int32_t Size() const { return FSize; }
  void SetSize(int32_t Value) { FSize = Value; }
  int32_t Color() const { return FColor; }
  void SetColor(int32_t Value) { FColor = Value; }
  TTestFontStyles Style() const { return FStyle; }
  void SetStyle(TTestFontStyles Value) { FStyle = Value; }
  void Assign(const TPersistent* Source) override;

private:
  std::string FName = "Tahoma";
  int32_t FSize = 8;
  int32_t FColor = 0;
  TTestFontStyles FStyle;
};

class TTestMenu : public TComponent {
  VEXA_CLASS(TTestMenu, TComponent)

public:
  explicit TTestMenu(TComponent* AOwner) : TComponent(AOwner) {}
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }

private:
  bool FAutoPopup = true;
};

class TTestControl : public TComponent {
  VEXA_CLASS(TTestControl, TComponent)

public:
  explicit TTestControl(TComponent* AOwner) : TComponent(AOwner) {}
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  TTestAlign Align() const { return FAlign; }
  void SetAlign(TTestAlign Value);
  TTestAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TTestAnchors Value);
  int32_t Color() const { return FColor; }
  void SetColor(int32_t Value);
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t Value);
  TTestFont* Font() const { return FFont.get(); }
  void SetFont(TTestFont* Value) { FFont->Assign(Value); }
  TTestMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TTestMenu* Value);

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  std::string FCaption;
  bool FVisible = true;
  TTestAlign FAlign = alNone;
  TTestAnchors FAnchors{akLeft, akTop};
  int32_t FColor = 0x00C0C0C0;
  int32_t FWidth = 0;
  std::unique_ptr<TTestFont> FFont = std::make_unique<TTestFont>();
  TTestMenu* FPopupMenu = nullptr;
};

// Publishes Width again with its own default, and adds properties of its own.
class TTestButton : public TTestControl {
  VEXA_CLASS(TTestButton, TTestControl)

public:
  explicit TTestButton(TComponent* AOwner) : TTestControl(AOwner) { SetWidth(75); }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value) { FDefault = Value; }
  int32_t ModalResult() const { return FModalResult; }
  void SetModalResult(int32_t Value) { FModalResult = Value; }

private:
  bool FDefault = false;
  int32_t FModalResult = 0;
};

class TTestMemo : public TTestControl {
  VEXA_CLASS(TTestMemo, TTestControl)

public:
  explicit TTestMemo(TComponent* AOwner) : TTestControl(AOwner) {}
  TStringList* Lines() const { return FLines.get(); }
  void SetLines(TStringList* Value) { FLines->Assign(Value); }

private:
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
};

class TTestSkinItem : public TCollectionItem {
  VEXA_CLASS(TTestSkinItem, TCollectionItem)

public:
  explicit TTestSkinItem(TCollection* Collection) : TCollectionItem(Collection) {}
  const std::string& SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& Value) { FSkinFile = Value; }
  const std::string& Password() const { return FPassword; }
  void SetPassword(const std::string& Value) { FPassword = Value; }
  std::vector<uint8_t> Data;
  std::string PasswordWhenDataRead;  // what Password held when "SkinData" was read
  void Assign(const TPersistent* Source) override;

protected:
  void DefineProperties(TFiler& Filer) override;

private:
  std::string FSkinFile;
  std::string FPassword;
};

class TTestEngine : public TComponent {
  VEXA_CLASS(TTestEngine, TComponent)

public:
  explicit TTestEngine(TComponent* AOwner);
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  const std::string& Password() const { return FPassword; }
  void SetPassword(const std::string& Value) { FPassword = Value; }
  int32_t DisabledTag() const { return FDisabledTag; }
  void SetDisabledTag(int32_t Value) { FDisabledTag = Value; }
  TCollection* Skins() const { return FSkins.get(); }
  void SetSkins(TCollection* Value) { FSkins->Assign(Value); }
  TStringList* AutoNames() const { return FAutoNames.get(); }
  void SetAutoNames(TStringList* Value) { FAutoNames->Assign(Value); }

  std::vector<uint8_t> Data;             // "SkinData"
  std::vector<int64_t> Numbers;          // "Numbers", a list of integers
  std::string PasswordWhenDataRead;
  bool ActiveWhenDataRead = false;

protected:
  void DefineProperties(TFiler& Filer) override;

private:
  bool FActive = false;
  std::string FPassword;
  int32_t FDisabledTag = 9999;
  std::unique_ptr<TCollection> FSkins;
  std::unique_ptr<TStringList> FAutoNames = std::make_unique<TStringList>();
};

class TTestFrame : public TComponent {
  VEXA_CLASS(TTestFrame, TComponent)

public:
  explicit TTestFrame(TComponent* AOwner);
  TTestButton* Button;

protected:
  void Loaded() override;
};

class TTestForm : public TComponent {
  VEXA_CLASS(TTestForm, TComponent)

public:
  explicit TTestForm(TComponent* AOwner = nullptr);
  ~TTestForm() override { DestroyComponents(); }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  int32_t Color() const { return FColor; }
  void SetColor(int32_t Value) { FColor = Value; }

  TTestButton* Button1;
  TTestMemo* Memo1;
  TTestMenu* Menu1;
  TTestEngine* Engine1;
  TTestFrame* Frame1;

protected:
  void Loaded() override;

private:
  std::string FCaption;
  int32_t FColor = 0x00F0F0F0;
};

// Every published value of Instance and of what it owns, one "Path=Value" line each, with the
// defined data of the fixture classes: equal dumps mean equal stored state.
std::string DumpState(TObject& Instance);
// Gives a form non-default values everywhere the resource can carry them.
void FillForm(TTestForm& Form);
