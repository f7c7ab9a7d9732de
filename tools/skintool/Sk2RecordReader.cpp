#include "Sk2RecordReader.h"

#include <cstring>
#include <unordered_set>

#include "Sk2Format.h"
#include "ToolError.h"

std::vector<Sk2Record> ReadSk2Records(const std::string& bytes, const std::string& label) {
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const uint64_t size = bytes.size();
  auto damaged = [&](const std::string& why) { return SkinToolError(label + ": damaged resource file: " + why); };

  if (size < sk2::kHeaderSize) throw damaged("shorter than its header");
  const uint32_t headerSize = sk2::ReadU32(data + 12);
  if (headerSize < sk2::kHeaderSize || headerSize > size) throw damaged("bad header size " + std::to_string(headerSize));

  std::vector<Sk2Record> records;
  std::unordered_set<uint32_t> visited;
  uint32_t offset = sk2::ReadU32(data + 20);
  for (;;) {
    if (offset + uint64_t(sk2::kRecordSize) > size)
      throw damaged("record at offset " + std::to_string(offset) + " runs past the end");
    const uint8_t* record = data + offset;
    const uint32_t next = sk2::ReadU32(record + 73);
    if (next == 0) break;

    Sk2Record entry;
    entry.Name.assign(reinterpret_cast<const char*>(record), strnlen(reinterpret_cast<const char*>(record), sk2::kNameSize));
    entry.Type = record[64];
    const uint32_t dataOffset = sk2::ReadU32(record + 65);
    const uint32_t dataSize = sk2::ReadU32(record + 69);
    if (entry.Type <= sk2::kString) {
      if (dataOffset + uint64_t(dataSize) > size)
        throw damaged("data of \"" + entry.Name + "\" runs past the end");
      const bool sizeFits = entry.Type == sk2::kInteger   ? dataSize == 4
                            : entry.Type == sk2::kBoolean ? dataSize == 1
                            : entry.Type == sk2::kString  ? dataSize <= sk2::kMaxStringSize
                                                          : true;
      if (!sizeFits) throw damaged("\"" + entry.Name + "\" has " + std::to_string(dataSize) + " bytes of data");
      entry.Payload.assign(bytes, dataOffset, dataSize);
    }
    records.push_back(std::move(entry));
    visited.insert(offset);
    if (visited.count(next)) break;  // a chain that loops ends where it comes back
    offset = next;
  }
  return records;
}
