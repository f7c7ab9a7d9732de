#include "Sk2SkinFileReader.h"

#include <charconv>
#include <cstring>
#include <unordered_set>

#include "BmpDecoder.h"
#include "FileStream.h"
#include "ScopedFile.h"
#include "Sk2Format.h"
#include "SkinArchive.h"
#include "SkinError.h"
#include "TempFileName.h"

using sk2::ReadU32;

namespace {
[[noreturn]] void FailRead() { throw ESkinError(kMsgFailedToRead); }

bool ParseDecimal(const std::string& text, int32_t& value) {
  if (text.empty()) return false;
  const char* first = text.data();
  const char* last = first + text.size();
  if (*first == '+') ++first;
  auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}
}  // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& ArchiveFileName, const std::string& Password) {
  const std::string temp = NewTempFileName();
  ScopedFile guard(temp);  // the extracted resource file goes whichever way loading ends
  switch (ExtractSkinEntry(ArchiveFileName, sk2::kEntryName, temp, Password)) {
    case kExtractOk:
      break;
    case kExtractBadPassword:
      throw ESkinError(kMsgWrongPassword);
    default:
      FailRead();
  }
  std::string bytes;
  try {
    bytes = FileStream::ReadAll(temp);
  } catch (const ESkinError&) {
    FailRead();
  }
  Parse(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

void Tsk2SkinFileReader::Parse(const uint8_t* data, size_t size) {
  if (size < 16) FailRead();
  const uint32_t headerSize = ReadU32(data + 12);
  if (headerSize < sk2::kHeaderSize || headerSize > size) FailRead();
  uint32_t offset = ReadU32(data + 20);
  std::unordered_set<uint32_t> visited;
  for (;;) {
    if (uint64_t(offset) + sk2::kRecordSize > size) FailRead();
    const uint8_t* record = data + offset;
    const uint32_t next = ReadU32(record + 73);
    if (next == 0) break;  // the terminator

    std::string name(reinterpret_cast<const char*>(record), strnlen(reinterpret_cast<const char*>(record), sk2::kNameSize));
    const uint8_t type = record[64];
    const uint32_t dataOffset = ReadU32(record + 65);
    const uint32_t dataSize = ReadU32(record + 69);
    if (type <= sk2::kString && uint64_t(dataOffset) + dataSize > size) FailRead();
    const uint8_t* payload = data + dataOffset;
    switch (type) {
      case sk2::kBitmap: {
        auto bitmap = DecodeBmp(payload, dataSize);
        FBitmapIndex.try_emplace(AsciiUpper(name), FBitmaps.size());
        FBitmaps.push_back({std::move(name), std::move(bitmap)});
        break;
      }
      case sk2::kInteger:
        if (dataSize != 4) FailRead();
        FIntegerIndex.try_emplace(AsciiUpper(name), FIntegers.size());
        FIntegers.push_back({std::move(name), std::to_string(static_cast<int32_t>(ReadU32(payload)))});
        break;
      case sk2::kBoolean:
        if (dataSize != 1) FailRead();
        FBooleanIndex.try_emplace(AsciiUpper(name), FBooleans.size());
        FBooleans.push_back({std::move(name), std::to_string(payload[0])});
        break;
      case sk2::kString:
        if (dataSize > sk2::kMaxStringSize) FailRead();
        FStringIndex.try_emplace(AsciiUpper(name), FStrings.size());
        FStrings.push_back({std::move(name), std::string(reinterpret_cast<const char*>(payload), dataSize)});
        break;
      default:  // unknown kinds are skipped
        break;
    }
    // A chain that comes back to a record it has seen ends there instead of looping.
    visited.insert(offset);
    if (visited.count(next)) break;
    offset = next;
  }
}

const Tsk2SkinFileReader::ValueEntry* Tsk2SkinFileReader::Find(const std::vector<ValueEntry>& list, const Index& index,
                                                               const std::string& name) {
  auto it = index.find(AsciiUpper(name));
  return it == index.end() ? nullptr : &list[it->second];
}

SkinImage* Tsk2SkinFileReader::GetBitmap(const std::string& Name) const {
  int index = IndexOfBitmap(Name);
  return index < 0 ? nullptr : FBitmaps[size_t(index)].Bitmap.get();
}

int Tsk2SkinFileReader::IndexOfBitmap(const std::string& Name) const {
  auto it = FBitmapIndex.find(AsciiUpper(Name));
  return it == FBitmapIndex.end() ? -1 : static_cast<int>(it->second);
}

int32_t Tsk2SkinFileReader::GetInteger(const std::string& Name) const {
  const ValueEntry* entry = Find(FIntegers, FIntegerIndex, Name);
  int32_t value;
  return entry && ParseDecimal(entry->Value, value) ? value : -1;
}

bool Tsk2SkinFileReader::GetBool(const std::string& Name) const {
  const ValueEntry* entry = Find(FBooleans, FBooleanIndex, Name);
  int32_t value;
  return entry && ParseDecimal(entry->Value, value) && value != 0;
}

void Tsk2SkinFileReader::SetTransparentColor(int32_t Color) {
  for (auto& entry : FBitmaps) {
    entry.Bitmap->SetTransparentMode(TTransparentMode::tmFixed);
    entry.Bitmap->SetTransparentColor(Color);
  }
}
