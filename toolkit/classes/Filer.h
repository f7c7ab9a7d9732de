#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class TComponent;
class TPersistent;
class TReader;
class TWriter;

using TReaderProc = std::function<void(TReader& Reader)>;
using TWriterProc = std::function<void(TWriter& Writer)>;
using TBinaryReadProc = std::function<void(std::span<const uint8_t> Data)>;
using TBinaryWriteProc = std::function<std::vector<uint8_t>()>;

// A stored value that is not a published property, as an object declares it in DefineProperties.
struct TDefinedProperty {
  std::string Name;
  TReaderProc Read;               // a value read with TReader's ReadInteger, ReadString, ReadListBegin...
  TWriterProc Write;              // writes exactly one value with TWriter's WriteInteger, WriteString...
  TBinaryReadProc ReadBinary;     // or raw bytes, handed over whole
  TBinaryWriteProc WriteBinary;
  bool HasData = false;           // written only when true
  bool IsBinary() const { return static_cast<bool>(ReadBinary) || static_cast<bool>(WriteBinary); }
};

// What DefineProperties talks to: the reader or writer of a form resource. Defined values are
// written after the published properties of their object and read back in that order, so their
// read procedures see every published value already set.
//
//   void TMyEngine::DefineProperties(TFiler& Filer) {
//     inherited::DefineProperties(Filer);
//     Filer.DefineBinaryProperty("SkinData", [this](std::span<const uint8_t> d) { ReadSkinData(d); },
//                                [this] { return SkinFileBytes(); }, BuiltIn() && SkinFileExists());
//   }
class TFiler {
public:
  virtual ~TFiler() = default;
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;

  void DefineProperty(std::string Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData);
  void DefineBinaryProperty(std::string Name, TBinaryReadProc ReadData, TBinaryWriteProc WriteData, bool HasData);

  // The component whose resource is being read or written.
  TComponent& Root() const { return FRoot; }

protected:
  explicit TFiler(TComponent& Root) : FRoot(Root) {}
  // Asks Instance for its defined properties.
  std::vector<TDefinedProperty> CollectDefinedProperties(TPersistent& Instance);

private:
  TComponent& FRoot;
  std::vector<TDefinedProperty>* FCollecting = nullptr;
};
