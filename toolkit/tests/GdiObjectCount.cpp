#include "GdiObjectCount.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cstring>

namespace {
// Layout of the shared handle table (64-bit): PEB + 0xF8 points at 65536 entries of 24 bytes.
constexpr size_t kPebGdiTableOffset = 0xF8;
constexpr size_t kEntrySize = 24;
constexpr size_t kEntryCount = 0x10000;
constexpr size_t kUniqueOffset = 12;  // low byte: 7-bit object kind + stock flag in the top bit
constexpr size_t kTypeOffset = 14;
constexpr uint8_t kStockFlag = 0x80;
}  // namespace

size_t CountGdiObjects() {
  GdiFlush();
  PROCESS_BASIC_INFORMATION info{};
  ULONG length = 0;
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), &length) != 0)
    return 0;
  auto* peb = reinterpret_cast<const uint8_t*>(info.PebBaseAddress);
  const uint8_t* table = nullptr;
  std::memcpy(&table, peb + kPebGdiTableOffset, sizeof(table));
  if (!table) return 0;
  size_t count = 0;
  for (size_t i = 0; i < kEntryCount; ++i) {
    const uint8_t* entry = table + i * kEntrySize;
    if (entry[kTypeOffset] != 0 && !(entry[kUniqueOffset] & kStockFlag)) ++count;
  }
  return count;
}
