#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// The traditional PKWARE stream cipher of the ZIP format (three 32-bit keys updated through the
// CRC-32 table, polynomial 0xEDB88320).
class PkwareCipher {
public:
  explicit PkwareCipher(std::string_view password);
  uint8_t Decipher(uint8_t c) {
    uint8_t p = static_cast<uint8_t>(c ^ StreamByte());
    Update(p);
    return p;
  }
  uint8_t Encipher(uint8_t p) {
    uint8_t c = static_cast<uint8_t>(p ^ StreamByte());
    Update(p);
    return c;
  }
  void Decipher(uint8_t* data, size_t count) {
    for (size_t i = 0; i < count; ++i) data[i] = Decipher(data[i]);
  }
  void Encipher(uint8_t* data, size_t count) {
    for (size_t i = 0; i < count; ++i) data[i] = Encipher(data[i]);
  }

private:
  uint8_t StreamByte() const {
    uint32_t t = (FKey2 | 2) & 0xFFFF;
    return static_cast<uint8_t>((t * (t ^ 1)) >> 8);
  }
  void Update(uint8_t b);
  uint32_t FKey0 = 0x12345678, FKey1 = 0x23456789, FKey2 = 0x34567890;
};
