#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Filer.h"
#include "StreamRecords.h"

class TClassInfo;
class TCollection;
class TObject;
class TPropInfo;

// Reads a form resource (format: Writer.h) into an existing root whose constructor has already
// created the components the resource names: the code makes the objects, the resource supplies
// their stored values.
//
// ReadRootComponent:
//   1. Parses the whole resource and checks it against the live objects: the root's class, every
//      component named (found by name among its owner's components, of the class named), every
//      property (published, sub-object path or defined) and every value's type and range. Any
//      fault raises EReadError before a single value is applied. Items of collections are checked
//      against their class; their defined and sub-object values are checked when applied.
//   2. Sets csLoading and csReading on the root and everything it owns, gives an unnamed root the
//      resource's name (when free among its owner's components), and applies the values in stream
//      order through the setters: for each object its published properties, then its defined
//      properties. A collection is cleared and refilled, one Add per item, inside BeginUpdate.
//   3. Clears csReading and calls Loaded on every component, each after the components it owns, so
//      the root comes last and sees every component loaded.
// An exception from a setter or a read procedure ends the reading where it is (classes-layer errors
// become EReadError naming the property; others pass unchanged); the loading states are cleared and
// Loaded is not called. Setters must not free components while the resource is read.
class TReader : public TFiler {
public:
  TReader(TComponent& Root, std::span<const uint8_t> Data);

  void ReadRootComponent();

  // For the read procedures of DefineProperty: the property's value, read the way it was written.
  // A mismatch or a read past the end raises EReadError naming the property.
  TValueType NextValue() const;  // vaNull at the end of the value or of the open list
  int64_t ReadInteger();
  bool ReadBoolean();
  std::string ReadString();
  std::string ReadIdent();
  std::span<const uint8_t> ReadBinary();
  void ReadListBegin();
  bool EndOfList() const;
  void ReadListEnd();

private:
  enum class TPass { Check, Apply };
  void ReadComponent(const TComponentRecord& Record, TComponent& Component, TPass Pass);
  void ReadPath(const TClassInfo& Class, TObject* Instance, const std::string& Where, std::string_view Path,
                const TStreamValue& Value, TPass Pass);
  void ReadPublished(TObject* Instance, const TPropInfo& Prop, const std::string& Where, const TStreamValue& Value, TPass Pass);
  void ReadDefined(const TDefinedProperty& Defined, const std::string& Where, const TStreamValue& Value, TPass Pass);
  void ReadCollection(TCollection& Collection, const std::string& Where, const TStreamValue& Value, TPass Pass);
  TComponent* ResolveReference(std::string_view Path) const;
  template <class Action>
  void Run(const std::string& Where, Action&& Do);
  const TStreamValue& Next(const char* Wanted);
  [[noreturn]] static void Fail(const std::string& Where, const std::string& Message);

  struct TFrame {
    const TStreamValue* Values;
    size_t Count;
    size_t Pos;
  };
  std::span<const uint8_t> FData;
  std::string FRootName;
  std::vector<TFrame> FFrames;  // the defined property value being read: the value, then open lists
  std::string FValueWhere;
};

// Finds a top-level component (a form) by name, for references to components of other forms.
using TFindGlobalComponent = TComponent* (*)(std::string_view Name);
void SetFindGlobalComponent(TFindGlobalComponent Find);

// Reads Data into Root as TReader::ReadRootComponent does. A form's constructor, after creating
// its components, calls ReadComponentResource(*this, kForm1Resource).
void ReadComponentResource(TComponent& Root, std::span<const uint8_t> Data);
