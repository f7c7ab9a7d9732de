#include "PkwareCipher.h"

#include <zlib.h>

namespace {
const z_crc_t* CrcTable() {
  static const z_crc_t* table = get_crc_table();
  return table;
}
uint32_t CrcStep(uint32_t crc, uint8_t b) { return CrcTable()[(crc ^ b) & 0xFF] ^ (crc >> 8); }
}  // namespace

PkwareCipher::PkwareCipher(std::string_view password) {
  for (char c : password) Update(static_cast<uint8_t>(c));
}

void PkwareCipher::Update(uint8_t b) {
  FKey0 = CrcStep(FKey0, b);
  FKey1 = (FKey1 + (FKey0 & 0xFF)) * 134775813u + 1;
  FKey2 = CrcStep(FKey2, static_cast<uint8_t>(FKey1 >> 24));
}
