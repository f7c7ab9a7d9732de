#include "Sk2Writer.h"

#include <cstring>

#include "Sk2Format.h"
#include "ToolError.h"

namespace {
void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}

void PutRecord(std::string& out, const std::string& name, uint8_t type, uint32_t dataOffset, uint32_t dataSize,
               uint32_t next) {
  std::string padded = name;
  padded.resize(sk2::kNameSize, '\0');
  out += padded;
  out.push_back(static_cast<char>(type));
  PutU32(out, dataOffset);
  PutU32(out, dataSize);
  PutU32(out, next);
}
}  // namespace

std::string BuildSk2File(const std::vector<Sk2Record>& records) {
  std::string out(sk2::kMagic, std::strlen(sk2::kMagic));
  PutU32(out, sk2::kHeaderSize);
  PutU32(out, sk2::kVersion);
  PutU32(out, sk2::kHeaderSize);
  for (const Sk2Record& record : records) {
    if (record.Name.size() > sk2::kNameSize)
      throw SkinToolError("resource name \"" + record.Name + "\" is " + std::to_string(record.Name.size()) +
                          " bytes long, at most " + std::to_string(sk2::kNameSize) + " fit");
    // Offsets are 32-bit in the format; refuse anything that would wrap.
    const uint64_t dataOffset = out.size() + sk2::kRecordSize;
    const uint64_t next = dataOffset + record.Payload.size();
    if (next + sk2::kRecordSize > UINT32_MAX)
      throw SkinToolError("resource \"" + record.Name + "\" makes the resource file larger than 4 GB");
    PutRecord(out, record.Name, record.Type, static_cast<uint32_t>(dataOffset),
              static_cast<uint32_t>(record.Payload.size()), static_cast<uint32_t>(next));
    out += record.Payload;
  }
  PutRecord(out, std::string(), sk2::kBoolean, 0, 0, 0);
  return out;
}
