#pragma once
#include <cstdint>
#include <string>

// One entry of an SK2 resource file as it is stored: name, type byte (Sk2Format.h) and raw payload.
struct Sk2Record {
  std::string Name;
  uint8_t Type;
  std::string Payload;
  bool operator==(const Sk2Record&) const = default;
};

// Payload encodings of the value types: integers 4 bytes little-endian signed, booleans 1 byte.
Sk2Record MakeIntegerRecord(std::string name, int32_t value);
Sk2Record MakeBooleanRecord(std::string name, uint8_t value);
Sk2Record MakeStringRecord(std::string name, std::string text);
Sk2Record MakeBitmapRecord(std::string name, std::string bmpBytes);
int32_t IntegerPayload(const Sk2Record& record);  // the record must hold 4 bytes
