#include "Reader.h"

#include "ClassesErrors.h"
#include "Collection.h"
#include "Component.h"
#include "ComponentStateScope.h"
#include "PropertyApi.h"
#include "StreamParser.h"
#include "TextHelpers.h"

namespace {

TFindGlobalComponent& GlobalFinder() {
  static TFindGlobalComponent finder = nullptr;
  return finder;
}

bool IsInteger(const TStreamValue& Value) { return Value.Type >= vaInt8 && Value.Type <= vaInt64; }

std::string Describe(const TStreamValue& Value) {
  switch (Value.Type) {
    case vaList: return "a list";
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64: return "the integer " + std::to_string(Value.Int);
    case vaString: return "a string";
    case vaIdent: return "the name " + std::string(Value.Text);
    case vaFalse:
    case vaTrue: return "a boolean";
    case vaNil: return "nil";
    case vaSet: return "a set";
    case vaCollection: return "a collection";
    case vaBinary: return "binary data";
    default: return "nothing";
  }
}

}  // namespace

void SetFindGlobalComponent(TFindGlobalComponent Find) { GlobalFinder() = Find; }

TReader::TReader(TComponent& Root, std::span<const uint8_t> Data) : TFiler(Root), FData(Data) {}

void TReader::ReadRootComponent() {
  const TComponentRecord record = ParseFormResource(FData);
  TComponent& root = Root();
  if (!SameText(record.ClassName, root.ClassName()))
    throw EReadError("The form resource holds a " + std::string(record.ClassName) + ", not a " + root.ClassName());
  if (!record.Name.empty() && !IsValidIdent(record.Name))
    throw EReadError("The form resource names its root \"" + std::string(record.Name) + "\", which is not a valid component name");
  FRootName = record.Name;
  ReadComponent(record, root, TPass::Check);

  TComponentLoadingScope loading(root);
  {
    TComponentStateScope reading(root, {csReading});
    if (root.Name().empty() && !record.Name.empty() && !(root.Owner() && root.Owner()->FindComponent(record.Name)))
      root.SetName(FRootName);
    ReadComponent(record, root, TPass::Apply);
  }
  loading.Finish();
}

void TReader::ReadComponent(const TComponentRecord& Record, TComponent& Component, TPass Pass) {
  std::string where = Component.Name();
  if (where.empty()) where = &Component == &Root() && !FRootName.empty() ? FRootName : Component.ClassName();
  for (const TPropertyRecord& prop : Record.Properties)
    ReadPath(Component.ClassInfo(), &Component, where, prop.Name, prop.Value, Pass);
  for (const TComponentRecord& child : Record.Children) {
    TComponent* found = Component.FindComponent(child.Name);
    if (!found)
      throw EReadError("Component \"" + std::string(child.Name) + "\" of class " + std::string(child.ClassName) +
                       " named in the form resource does not exist in " + Component.ClassName());
    if (!SameText(found->ClassName(), child.ClassName))
      throw EReadError("Component \"" + std::string(child.Name) + "\" is a " + found->ClassName() + " in " +
                       Component.ClassName() + ", but the form resource names class " + std::string(child.ClassName));
    ReadComponent(child, *found, Pass);
  }
}

void TReader::ReadPath(const TClassInfo& Class, TObject* Instance, const std::string& Where, std::string_view Path,
                       const TStreamValue& Value, TPass Pass) {
  const size_t dot = Path.find('.');
  const std::string_view head = Path.substr(0, dot);
  const std::string here = Where + "." + std::string(head);
  const TPropInfo* prop = GetPropInfo(Class, head);
  if (dot != std::string_view::npos) {
    if (!prop || prop->Kind() != tkClass)
      Fail(here, Class.ClassName() + " has no sub-object property \"" + std::string(head) + "\"");
    if (!Instance) return;  // a collection item checked by class: the rest waits for the item
    TObject* sub = prop->Access().GetObj(*Instance);
    if (!sub) Fail(here, "the property holds no object");
    return ReadPath(sub->ClassInfo(), sub, here, Path.substr(dot + 1), Value, Pass);
  }
  if (prop) return ReadPublished(Instance, *prop, here, Value, Pass);
  if (!Instance) return;  // perhaps a defined property, which only an instance can tell
  if (auto* persistent = dynamic_cast<TPersistent*>(Instance))
    for (const TDefinedProperty& defined : CollectDefinedProperties(*persistent))
      if (SameText(defined.Name, head)) return ReadDefined(defined, here, Value, Pass);
  Fail(here, Class.ClassName() + " has no property \"" + std::string(head) + "\"");
}

void TReader::ReadPublished(TObject* Instance, const TPropInfo& Prop, const std::string& Where,
                            const TStreamValue& Value, TPass Pass) {
  const TTypeInfo& type = Prop.PropType();
  const bool apply = Pass == TPass::Apply;
  auto expect = [&](bool Fits, const char* Wanted) {
    if (!Fits) Fail(Where, std::string("expected ") + Wanted + ", found " + Describe(Value));
  };
  if (Prop.Kind() == tkClass) {
    expect(Value.Type == vaCollection, "a collection");
    if (!Instance) return;
    auto* collection = dynamic_cast<TCollection*>(Prop.Access().GetObj(*Instance));
    if (!collection) Fail(Where, "the property holds no collection");
    return ReadCollection(*collection, Where, Value, Pass);
  }
  if (!Prop.IsWritable()) Fail(Where, "the property is read-only");
  int64_t ordinal = 0;
  switch (Prop.Kind()) {
    case tkString:
      expect(Value.Type == vaString, "a string");
      if (apply) Run(Where, [&] { Prop.Access().SetStr(*Instance, std::string(Value.Text)); });
      return;
    case tkComponent: {
      expect(Value.Type == vaNil || Value.Type == vaIdent, "a component name");
      TComponent* target = nullptr;
      if (Value.Type == vaIdent) {
        target = ResolveReference(Value.Text);
        if (!target) Fail(Where, "there is no component named " + std::string(Value.Text));
        if (!target->InheritsFrom(*type.ClassType()) || !Prop.Access().Accepts(target))
          Fail(Where, std::string(Value.Text) + " is a " + target->ClassName() + ", not a " + type.Name());
      }
      if (apply) Run(Where, [&] { Prop.Access().SetObj(*Instance, target); });
      return;
    }
    case tkBoolean:
      expect(Value.Type == vaTrue || Value.Type == vaFalse, "a boolean");
      ordinal = Value.Type == vaTrue ? 1 : 0;
      break;
    case tkEnumeration:
      expect(Value.Type == vaIdent, "a value name");
      ordinal = GetEnumValue(type, Value.Text);
      if (ordinal < 0) Fail(Where, "\"" + std::string(Value.Text) + "\" is not a value of " + type.Name());
      break;
    case tkSet:
      expect(Value.Type == vaSet, "a set");
      for (const TStreamValue& element : Value.Elements) {
        const int bit = GetEnumValue(*type.ElementType(), element.Text);
        if (bit < 0) Fail(Where, "\"" + std::string(element.Text) + "\" is not a value of " + type.Name());
        ordinal |= int64_t{1} << bit;
      }
      break;
    default:
      expect(IsInteger(Value), "an integer");
      ordinal = Value.Int;
      break;
  }
  if (ordinal < Prop.MinValue() || ordinal > Prop.MaxValue())
    Fail(Where, "the value " + std::to_string(ordinal) + " is out of range for " + type.Name());
  if (apply) Run(Where, [&] { Prop.Access().SetOrd(*Instance, ordinal); });
}

void TReader::ReadDefined(const TDefinedProperty& Defined, const std::string& Where, const TStreamValue& Value, TPass Pass) {
  if (Defined.IsBinary()) {
    if (Value.Type != vaBinary) Fail(Where, "expected binary data, found " + Describe(Value));
    if (!Defined.ReadBinary) Fail(Where, "the property cannot be read");
    if (Pass == TPass::Apply) Run(Where, [&] { Defined.ReadBinary(Value.Bytes); });
    return;
  }
  if (!Defined.Read) Fail(Where, "the property cannot be read");
  if (Pass == TPass::Check) return;
  struct TFramesScope {
    std::vector<TFrame>& Frames;
    ~TFramesScope() { Frames.clear(); }
  } scope{FFrames};
  FFrames.assign(1, TFrame{&Value, 1, 0});
  FValueWhere = Where;
  Run(Where, [&] { Defined.Read(*this); });
  if (FFrames.size() != 1 || FFrames.front().Pos != 1) Fail(Where, "its reader left part of the value unread");
}

void TReader::ReadCollection(TCollection& Collection, const std::string& Where, const TStreamValue& Value, TPass Pass) {
  auto itemWhere = [&](size_t Index) { return Where + "[" + std::to_string(Index) + "]"; };
  if (Pass == TPass::Check) {
    for (size_t i = 0; i < Value.Items.size(); ++i)
      for (const TPropertyRecord& prop : Value.Items[i])
        ReadPath(Collection.ItemClass(), nullptr, itemWhere(i), prop.Name, prop.Value, Pass);
    return;
  }
  Collection.BeginUpdate();
  try {
    Run(Where, [&] { Collection.Clear(); });
    for (size_t i = 0; i < Value.Items.size(); ++i) {
      TCollectionItem* item = nullptr;
      Run(itemWhere(i), [&] { item = Collection.Add(); });
      for (const TPropertyRecord& prop : Value.Items[i])
        ReadPath(item->ClassInfo(), item, itemWhere(i), prop.Name, prop.Value, Pass);
    }
  } catch (...) {
    Collection.EndUpdate();
    throw;
  }
  Collection.EndUpdate();
}

TComponent* TReader::ResolveReference(std::string_view Path) const {
  size_t dot = Path.find('.');
  const std::string_view first = Path.substr(0, dot);
  TComponent* current = Root().FindComponent(first);
  if (!current && !FRootName.empty() && SameText(first, FRootName)) current = &Root();
  if (!current && GlobalFinder()) current = GlobalFinder()(first);
  while (current && dot != std::string_view::npos) {
    Path.remove_prefix(dot + 1);
    dot = Path.find('.');
    current = current->FindComponent(Path.substr(0, dot));
  }
  return current;
}

template <class Action>
void TReader::Run(const std::string& Where, Action&& Do) {
  try {
    Do();
  } catch (const EReadError&) {
    throw;
  } catch (const EClassesError& e) {
    Fail(Where, e.what());
  }
}

void TReader::Fail(const std::string& Where, const std::string& Message) {
  throw EReadError("Error reading " + Where + ": " + Message);
}

const TStreamValue& TReader::Next(const char* Wanted) {
  if (FFrames.empty()) throw EReadError("No defined property is being read");
  TFrame& frame = FFrames.back();
  if (frame.Pos >= frame.Count)
    Fail(FValueWhere, std::string("expected ") + Wanted + ", found the end of the " + (FFrames.size() > 1 ? "list" : "value"));
  const TStreamValue& value = frame.Values[frame.Pos++];
  return value;
}

TValueType TReader::NextValue() const {
  if (EndOfList()) return vaNull;
  const TFrame& frame = FFrames.back();
  return frame.Values[frame.Pos].Type;
}

int64_t TReader::ReadInteger() {
  const TStreamValue& v = Next("an integer");
  if (!IsInteger(v)) Fail(FValueWhere, "expected an integer, found " + Describe(v));
  return v.Int;
}

bool TReader::ReadBoolean() {
  const TStreamValue& v = Next("a boolean");
  if (v.Type != vaTrue && v.Type != vaFalse) Fail(FValueWhere, "expected a boolean, found " + Describe(v));
  return v.Type == vaTrue;
}

std::string TReader::ReadString() {
  const TStreamValue& v = Next("a string");
  if (v.Type != vaString) Fail(FValueWhere, "expected a string, found " + Describe(v));
  return std::string(v.Text);
}

std::string TReader::ReadIdent() {
  const TStreamValue& v = Next("a name");
  if (v.Type != vaIdent) Fail(FValueWhere, "expected a name, found " + Describe(v));
  return std::string(v.Text);
}

std::span<const uint8_t> TReader::ReadBinary() {
  const TStreamValue& v = Next("binary data");
  if (v.Type != vaBinary) Fail(FValueWhere, "expected binary data, found " + Describe(v));
  return v.Bytes;
}

void TReader::ReadListBegin() {
  const TStreamValue& v = Next("a list");
  if (v.Type != vaList) Fail(FValueWhere, "expected a list, found " + Describe(v));
  FFrames.push_back(TFrame{v.Elements.data(), v.Elements.size(), 0});
}

bool TReader::EndOfList() const { return FFrames.empty() || FFrames.back().Pos >= FFrames.back().Count; }

void TReader::ReadListEnd() {
  if (FFrames.size() < 2) Fail(FValueWhere, "ReadListEnd without ReadListBegin");
  if (!EndOfList()) Fail(FValueWhere, "the list holds more values than were read");
  FFrames.pop_back();
}

void ReadComponentResource(TComponent& Root, std::span<const uint8_t> Data) {
  TReader reader(Root, Data);
  reader.ReadRootComponent();
}
