#include "Filer.h"

#include "Persistent.h"

void TFiler::DefineProperty(std::string Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) {
  if (!FCollecting) return;
  TDefinedProperty& p = FCollecting->emplace_back();
  p.Name = std::move(Name);
  p.Read = std::move(ReadData);
  p.Write = std::move(WriteData);
  p.HasData = HasData;
}

void TFiler::DefineBinaryProperty(std::string Name, TBinaryReadProc ReadData, TBinaryWriteProc WriteData, bool HasData) {
  if (!FCollecting) return;
  TDefinedProperty& p = FCollecting->emplace_back();
  p.Name = std::move(Name);
  p.ReadBinary = std::move(ReadData);
  p.WriteBinary = std::move(WriteData);
  p.HasData = HasData;
}

std::vector<TDefinedProperty> TFiler::CollectDefinedProperties(TPersistent& Instance) {
  std::vector<TDefinedProperty> result;
  FCollecting = &result;
  try {
    Instance.DefineProperties(*this);
  } catch (...) {
    FCollecting = nullptr;
    throw;
  }
  FCollecting = nullptr;
  return result;
}
