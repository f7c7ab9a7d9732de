#pragma once
// Writing a form resource: a root component (a form), the components it owns, their published
// properties and their defined properties, in a binary format read back by TReader.
//
// Byte format (integers little-endian; Name = 1 length byte + 1..255 bytes, ASCII identifiers):
//
//   Resource   = "VXF1" Component                      nothing may follow the root component
//   Component  = ClassName:Name  ComponentName  Properties  Children
//                ComponentName = 1 length byte (0 for an unnamed root) + bytes
//   Properties = { PropertyName:Name Value } 0x00
//   Children   = { Component } 0x00                    the named components GetChildren lists
//   Value      = 0x01 vaList        { Value } 0x00
//              | 0x02..0x05         vaInt8 / vaInt16 / vaInt32 / vaInt64, signed, smallest that fits
//              | 0x06 vaString      uint32 length + UTF-8 bytes
//              | 0x07 vaIdent       Name (an enumeration value, or a component reference:
//                                   "Name", "Owner.Name" or a dotted path below the root)
//              | 0x08 vaFalse  | 0x09 vaTrue  | 0x0A vaNil (no component)
//              | 0x0B vaSet         { Name } 0x00       the names of the values in the set
//              | 0x0C vaCollection  { 0x01 Properties } 0x00    one Properties per item
//              | 0x0D vaBinary      uint32 length + bytes
//
// Which properties are written, per object, in this order:
//   1. Published properties in declaration order (ancestors first), except read-only ones, those
//      whose Stored rule says no, ordinals equal to their declared default, strings equal to their
//      default (empty unless declared) and empty component references. Integers and colours are
//      vaInt*, booleans vaTrue/vaFalse, enumerations vaIdent, sets vaSet, strings vaString.
//   2. A sub-object (a class-kind property that is not a collection) is written in place as its
//      own properties, named by path: "Font.Name", "Font.Style", "Lines.Strings".
//   3. A collection is one vaCollection value holding every item's properties (published, then
//      defined), always written, so reading restores an emptied collection too.
//   4. Defined properties (DefineProperties) whose HasData is true, after all published ones:
//      binary ones as vaBinary, others as the one value their write procedure writes.
// Names of components, properties and types compare without regard to ASCII case when read back.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Filer.h"
#include "StreamFormat.h"

class TCollection;
class TObject;
class TPropInfo;

class TWriter : public TFiler {
public:
  TWriter(TComponent& Root, std::vector<uint8_t>& Output);

  // Appends the resource of Root to Output; csWriting is set on every component meanwhile. On an
  // error (EWriteError, or one raised by a getter) nothing is appended.
  void WriteRootComponent();

  // For the write procedures of DefineProperty, each of which writes exactly one value (a list
  // counts as one).
  void WriteInteger(int64_t Value);
  void WriteBoolean(bool Value);
  void WriteString(std::string_view Value);
  void WriteIdent(std::string_view Value);
  void WriteBinary(std::span<const uint8_t> Value);
  void WriteListBegin();
  void WriteListEnd();

private:
  void WriteComponent(TComponent& Component, int Depth);
  void WriteProperties(TObject& Instance, const std::string& Prefix, int Depth);
  void WriteProperty(TObject& Instance, const TPropInfo& Prop, const std::string& Path, int Depth);
  void WriteDefinedProperties(TObject& Instance, const std::string& Prefix);
  void WriteCollection(TCollection& Collection, int Depth);
  std::string ReferencePath(const TComponent& Target) const;
  void WriteName(std::string_view Name, std::string_view What);
  void WriteTag(TValueType Type);
  void Raw(const void* Data, size_t Size);
  void CountValue();

  std::vector<uint8_t>& FOutput;
  std::vector<uint8_t> FBuffer;
  int FListDepth = 0;    // open lists of the defined property being written
  int FValuesWritten = 0;
};

// The resource of Root, as WriteRootComponent writes it.
std::vector<uint8_t> WriteComponentResource(TComponent& Root);
