#include "Writer.h"

#include "ClassesErrors.h"
#include "Collection.h"
#include "Component.h"
#include "ComponentStateScope.h"
#include "PropertyApi.h"

TWriter::TWriter(TComponent& Root, std::vector<uint8_t>& Output) : TFiler(Root), FOutput(Output) {}

void TWriter::WriteRootComponent() {
  TComponentStateScope writing(Root(), {csWriting});
  FBuffer.assign(kFormSignature.begin(), kFormSignature.end());
  WriteComponent(Root(), 0);
  FOutput.insert(FOutput.end(), FBuffer.begin(), FBuffer.end());
  FBuffer.clear();
}

void TWriter::WriteComponent(TComponent& Component, int Depth) {
  if (Depth > kMaxFormNesting) throw EWriteError("Components are nested too deeply below " + Component.Name());
  WriteName(Component.ClassName(), "class name");
  if (Component.Name().size() > 255) throw EWriteError("Component name " + Component.Name() + " is too long");
  const auto length = static_cast<uint8_t>(Component.Name().size());
  Raw(&length, 1);
  Raw(Component.Name().data(), Component.Name().size());
  WriteProperties(Component, std::string(), Depth + 1);
  Raw("", 1);
  std::vector<TComponent*> children;
  Component.GetChildren(children);
  for (TComponent* child : children)
    if (!child->Name().empty()) WriteComponent(*child, Depth + 1);  // unnamed ones cannot be found again
  Raw("", 1);
}

void TWriter::WriteProperties(TObject& Instance, const std::string& Prefix, int Depth) {
  if (Depth > kMaxFormNesting) throw EWriteError("Sub-objects are nested too deeply at " + Prefix);
  for (const TPropInfo* prop : GetPropList(&Instance))
    if (prop->IsStored(Instance)) WriteProperty(Instance, *prop, Prefix + prop->Name(), Depth);
  WriteDefinedProperties(Instance, Prefix);
}

void TWriter::WriteProperty(TObject& Instance, const TPropInfo& Prop, const std::string& Path, int Depth) {
  const TPropAccess& access = Prop.Access();
  const TTypeKind kind = Prop.Kind();
  if (kind == tkClass) {
    TObject* object = access.GetObj(Instance);
    if (!object) return;
    if (auto* collection = dynamic_cast<TCollection*>(object)) {
      WriteName(Path, "property name");
      WriteCollection(*collection, Depth + 1);
    } else {
      WriteProperties(*object, Path + ".", Depth + 1);
    }
    return;
  }
  if (!Prop.IsWritable() || IsDefaultPropValue(&Instance, Prop)) return;
  if (kind == tkComponent) {
    const auto* target = dynamic_cast<const TComponent*>(access.GetObj(Instance));
    const std::string reference = target ? ReferencePath(*target) : std::string();
    if (reference.empty()) return;
    WriteName(Path, "property name");
    WriteIdent(reference);
    return;
  }
  WriteName(Path, "property name");
  if (kind == tkString) return WriteString(access.GetStr(Instance));
  const int64_t value = access.GetOrd(Instance);
  switch (kind) {
    case tkBoolean: WriteBoolean(value != 0); break;
    case tkEnumeration: WriteIdent(GetEnumName(Prop.PropType(), value)); break;
    case tkSet: {
      WriteTag(vaSet);
      const auto& names = Prop.PropType().EnumNames();
      for (size_t i = 0; i < names.size(); ++i)
        if (static_cast<uint64_t>(value) & (uint64_t{1} << i)) WriteName(names[i], "set value");
      Raw("", 1);
      break;
    }
    default: WriteInteger(value); break;
  }
}

void TWriter::WriteDefinedProperties(TObject& Instance, const std::string& Prefix) {
  auto* persistent = dynamic_cast<TPersistent*>(&Instance);
  if (!persistent) return;
  for (const TDefinedProperty& defined : CollectDefinedProperties(*persistent)) {
    if (!defined.HasData) continue;
    const std::string path = Prefix + defined.Name;
    WriteName(path, "property name");
    if (defined.IsBinary()) {
      if (!defined.WriteBinary) throw EWriteError("Defined property " + path + " has data but no writer");
      const std::vector<uint8_t> bytes = defined.WriteBinary();
      WriteBinary(bytes);
      continue;
    }
    if (!defined.Write) throw EWriteError("Defined property " + path + " has data but no writer");
    FListDepth = 0;
    FValuesWritten = 0;
    defined.Write(*this);
    if (FValuesWritten != 1 || FListDepth != 0)
      throw EWriteError("Defined property " + path + " must write exactly one value (a list counts as one)");
  }
}

void TWriter::WriteCollection(TCollection& Collection, int Depth) {
  if (Depth > kMaxFormNesting) throw EWriteError("Collections are nested too deeply");
  WriteTag(vaCollection);
  for (int i = 0; i < Collection.Count(); ++i) {
    WriteTag(vaList);
    WriteProperties(*Collection.Items(i), std::string(), Depth + 1);
    Raw("", 1);
  }
  Raw("", 1);
}

std::string TWriter::ReferencePath(const TComponent& Target) const {
  if (&Target == &Root()) return Target.Name();
  // Below the root: the names from the root's child down to Target.
  std::string path = Target.Name();
  for (const TComponent* owner = Target.Owner(); owner; owner = owner->Owner()) {
    if (owner == &Root()) return path;
    if (owner->Name().empty()) break;
    path = owner->Name() + "." + path;
  }
  // Elsewhere: its owner's name and its own, found through the global lookup when read.
  if (Target.Name().empty()) return std::string();
  const TComponent* owner = Target.Owner();
  return owner && !owner->Name().empty() ? owner->Name() + "." + Target.Name() : Target.Name();
}

void TWriter::WriteInteger(int64_t Value) {
  CountValue();
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    WriteTag(vaInt8);
    const auto v = static_cast<int8_t>(Value);
    Raw(&v, 1);
    return;
  }
  const TValueType type = (Value >= INT16_MIN && Value <= INT16_MAX) ? vaInt16
                          : (Value >= INT32_MIN && Value <= INT32_MAX) ? vaInt32
                                                                       : vaInt64;
  const size_t size = type == vaInt16 ? 2 : type == vaInt32 ? 4 : 8;
  WriteTag(type);
  auto raw = static_cast<uint64_t>(Value);
  for (size_t i = 0; i < size; ++i, raw >>= 8) FBuffer.push_back(static_cast<uint8_t>(raw & 0xFF));
}

void TWriter::WriteBoolean(bool Value) {
  CountValue();
  WriteTag(Value ? vaTrue : vaFalse);
}

void TWriter::WriteString(std::string_view Value) {
  CountValue();
  if (Value.size() > UINT32_MAX) throw EWriteError("A string is too long for a form resource");
  WriteTag(vaString);
  auto length = static_cast<uint32_t>(Value.size());
  for (int i = 0; i < 4; ++i, length >>= 8) FBuffer.push_back(static_cast<uint8_t>(length & 0xFF));
  Raw(Value.data(), Value.size());
}

void TWriter::WriteIdent(std::string_view Value) {
  CountValue();
  WriteTag(vaIdent);
  WriteName(Value, "name");
}

void TWriter::WriteBinary(std::span<const uint8_t> Value) {
  CountValue();
  if (Value.size() > UINT32_MAX) throw EWriteError("Binary data is too long for a form resource");
  WriteTag(vaBinary);
  auto length = static_cast<uint32_t>(Value.size());
  for (int i = 0; i < 4; ++i, length >>= 8) FBuffer.push_back(static_cast<uint8_t>(length & 0xFF));
  Raw(Value.data(), Value.size());
}

void TWriter::WriteListBegin() {
  CountValue();
  ++FListDepth;
  WriteTag(vaList);
}

void TWriter::WriteListEnd() {
  if (FListDepth == 0) throw EWriteError("WriteListEnd without WriteListBegin");
  --FListDepth;
  Raw("", 1);
}

void TWriter::CountValue() {
  if (FListDepth == 0) ++FValuesWritten;
}

void TWriter::WriteName(std::string_view Name, std::string_view What) {
  if (Name.empty() || Name.size() > 255)
    throw EWriteError("Cannot write " + std::string(What) + " \"" + std::string(Name) + "\": names hold 1 to 255 bytes");
  const auto length = static_cast<uint8_t>(Name.size());
  Raw(&length, 1);
  Raw(Name.data(), Name.size());
}

void TWriter::WriteTag(TValueType Type) { FBuffer.push_back(Type); }

void TWriter::Raw(const void* Data, size_t Size) {
  const auto* bytes = static_cast<const uint8_t*>(Data);
  FBuffer.insert(FBuffer.end(), bytes, bytes + Size);
}

std::vector<uint8_t> WriteComponentResource(TComponent& Root) {
  std::vector<uint8_t> result;
  TWriter writer(Root, result);
  writer.WriteRootComponent();
  return result;
}
