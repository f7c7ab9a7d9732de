#include "StreamParser.h"

#include <string>

#include "ClassesErrors.h"

namespace {

// Bounded reading of the resource: every read checks the remaining length first.
class TByteCursor {
public:
  explicit TByteCursor(std::span<const uint8_t> Data) : FData(Data) {}

  size_t Offset() const { return FPos; }
  bool AtEnd() const { return FPos == FData.size(); }

  uint8_t Peek(const char* What) const {
    if (AtEnd()) Truncated(What);
    return FData[FPos];
  }
  uint8_t Byte(const char* What) {
    const uint8_t b = Peek(What);
    ++FPos;
    return b;
  }
  std::span<const uint8_t> Bytes(size_t Count, const char* What) {
    if (Count > FData.size() - FPos) Truncated(What);
    auto result = FData.subspan(FPos, Count);
    FPos += Count;
    return result;
  }
  uint64_t LittleEndian(size_t Size, const char* What) {
    auto bytes = Bytes(Size, What);
    uint64_t value = 0;
    for (size_t i = Size; i-- > 0;) value = (value << 8) | bytes[i];
    return value;
  }
  int64_t Signed(size_t Size, const char* What) {
    const uint64_t raw = LittleEndian(Size, What);
    const unsigned bits = static_cast<unsigned>(Size * 8);
    if (bits == 64) return static_cast<int64_t>(raw);
    const uint64_t sign = uint64_t{1} << (bits - 1);
    return static_cast<int64_t>((raw ^ sign) - sign);
  }
  std::string_view Text(size_t Count, const char* What) {
    auto bytes = Bytes(Count, What);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
  }
  // A name of 1 to 255 bytes after its length byte.
  std::string_view ShortName(const char* What) {
    const uint8_t length = Byte(What);
    if (length == 0) Corrupt(std::string("empty ") + What, FPos - 1);
    return Text(length, What);
  }

  [[noreturn]] void Truncated(const char* What) const {
    throw EReadError("The form resource is truncated: it ends inside " + std::string(What) + " at byte " + std::to_string(FPos));
  }
  [[noreturn]] static void Corrupt(const std::string& What, size_t At) {
    throw EReadError("The form resource is corrupt: " + What + " at byte " + std::to_string(At));
  }

private:
  std::span<const uint8_t> FData;
  size_t FPos = 0;
};

class TParser {
public:
  explicit TParser(std::span<const uint8_t> Data) : FIn(Data) {}

  TComponentRecord Resource() {
    const std::string_view signature = FIn.Text(kFormSignature.size(), "the signature");
    if (signature != kFormSignature) TByteCursor::Corrupt("not a form resource (signature)", 0);
    TComponentRecord root = Component(0);
    if (!FIn.AtEnd()) TByteCursor::Corrupt("data after the root component", FIn.Offset());
    return root;
  }

private:
  void Nest(int Depth) const {
    if (Depth > kMaxFormNesting) TByteCursor::Corrupt("data nested too deeply", FIn.Offset());
  }

  TComponentRecord Component(int Depth) {
    Nest(Depth);
    TComponentRecord record;
    record.ClassName = FIn.ShortName("a class name");
    record.Name = FIn.Text(FIn.Byte("a component name"), "a component name");
    record.Properties = Properties(Depth);
    while (FIn.Peek("a child list") != vaNull) record.Children.push_back(Component(Depth + 1));
    FIn.Byte("a child list");
    return record;
  }

  std::vector<TPropertyRecord> Properties(int Depth) {
    std::vector<TPropertyRecord> result;
    while (FIn.Peek("a property list") != vaNull) {
      TPropertyRecord& prop = result.emplace_back();
      prop.Name = FIn.ShortName("a property name");
      prop.Value = Value(Depth + 1);
    }
    FIn.Byte("a property list");
    return result;
  }

  TStreamValue Value(int Depth) {
    Nest(Depth);
    TStreamValue v;
    v.Offset = FIn.Offset();
    v.Type = static_cast<TValueType>(FIn.Byte("a value"));
    switch (v.Type) {
      case vaList:
        while (FIn.Peek("a list") != vaNull) v.Elements.push_back(Value(Depth + 1));
        FIn.Byte("a list");
        break;
      case vaInt8: v.Int = FIn.Signed(1, "an integer"); break;
      case vaInt16: v.Int = FIn.Signed(2, "an integer"); break;
      case vaInt32: v.Int = FIn.Signed(4, "an integer"); break;
      case vaInt64: v.Int = FIn.Signed(8, "an integer"); break;
      case vaString: v.Text = FIn.Text(FIn.LittleEndian(4, "a string length"), "a string"); break;
      case vaIdent: v.Text = FIn.ShortName("a name"); break;
      case vaFalse:
      case vaTrue:
      case vaNil: break;
      case vaSet:
        while (FIn.Peek("a set") != 0) {
          TStreamValue& element = v.Elements.emplace_back();
          element.Type = vaIdent;
          element.Offset = FIn.Offset();
          element.Text = FIn.ShortName("a set");
        }
        FIn.Byte("a set");
        break;
      case vaCollection:
        while (FIn.Peek("a collection") != vaNull) {
          if (FIn.Byte("a collection") != vaList) TByteCursor::Corrupt("a collection item without its marker", FIn.Offset() - 1);
          v.Items.push_back(Properties(Depth + 1));
        }
        FIn.Byte("a collection");
        break;
      case vaBinary: v.Bytes = FIn.Bytes(FIn.LittleEndian(4, "a binary length"), "binary data"); break;
      case vaNull: TByteCursor::Corrupt("a missing value", v.Offset);
      default: TByteCursor::Corrupt("unknown value type " + std::to_string(static_cast<int>(v.Type)), v.Offset);
    }
    return v;
  }

  TByteCursor FIn;
};

}  // namespace

TComponentRecord ParseFormResource(std::span<const uint8_t> Data) { return TParser(Data).Resource(); }
