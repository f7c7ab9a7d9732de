#pragma once
#include <cstdint>

// Layout of the SK2 resource file inside a skin archive (all integers little-endian).
namespace sk2 {
inline constexpr char kMagic[] = "MORVATEK_SK2";  // 12 bytes in the file, no terminator
inline constexpr uint32_t kHeaderSize = 24;
inline constexpr uint32_t kVersion = 2;
inline constexpr uint32_t kRecordSize = 77;
inline constexpr uint32_t kNameSize = 64;
inline constexpr uint32_t kMaxStringSize = 255;
enum RecordType : uint8_t { kBitmap = 0, kInteger = 1, kBoolean = 2, kString = 3 };
inline constexpr char kEntryName[] = "SKINDATA.SK2";

inline uint32_t ReadU32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline uint16_t ReadU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
}  // namespace sk2
