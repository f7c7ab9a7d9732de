#pragma once
#include <string>

#include "Component.h"
#include "Set.h"
#include "TypeInfo.h"

VEXA_ENUM(TDesignTestMode, dmFirst, dmSecond)
VEXA_ENUM(TDesignTestFlag, dfA, dfB, dfC)
VEXA_SET(TDesignTestFlags, TDesignTestFlag)

// A component shaped like a skinned application's engine: its SkinFile setter does work (counted
// as loads), and it has a property of every kind a designer shows.
class TDesignTestEngine : public TComponent {
  VEXA_CLASS(TDesignTestEngine, TComponent)

public:
  explicit TDesignTestEngine(TComponent* AOwner) : TComponent(AOwner) {}

  const std::string& SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& Value) {
    FSkinFile = Value;
    ++Loads;
  }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& Value) { FCaption = Value; }
  bool Active() const { return FActive; }
  void SetActive(bool Value) { FActive = Value; }
  TDesignTestMode Mode() const { return FMode; }
  void SetMode(TDesignTestMode Value) { FMode = Value; }
  int32_t Count() const { return FCount; }
  void SetCount(int32_t Value) { FCount = Value; }
  TDesignTestFlags Flags() const { return FFlags; }
  void SetFlags(TDesignTestFlags Value) { FFlags = Value; }
  TComponent* Buddy() const { return FBuddy; }
  void SetBuddy(TComponent* Value) { FBuddy = Value; }

  int Loads = 0;

private:
  std::string FSkinFile;
  std::string FCaption;
  bool FActive = false;
  TDesignTestMode FMode = dmFirst;
  int32_t FCount = 0;
  TDesignTestFlags FFlags;
  TComponent* FBuddy = nullptr;
};

// A second class with a SkinFile that is only stored.
class TDesignTestItem : public TComponent {
  VEXA_CLASS(TDesignTestItem, TComponent)

public:
  explicit TDesignTestItem(TComponent* AOwner) : TComponent(AOwner) {}
  const std::string& SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& Value) { FSkinFile = Value; }

private:
  std::string FSkinFile;
};
