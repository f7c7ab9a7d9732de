#include "Sk2Record.h"

#include "Sk2Format.h"

Sk2Record MakeIntegerRecord(std::string name, int32_t value) {
  const auto u = static_cast<uint32_t>(value);
  std::string payload{static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
                      static_cast<char>(u >> 24)};
  return {std::move(name), sk2::kInteger, std::move(payload)};
}

Sk2Record MakeBooleanRecord(std::string name, uint8_t value) {
  return {std::move(name), sk2::kBoolean, std::string(1, static_cast<char>(value))};
}

Sk2Record MakeStringRecord(std::string name, std::string text) {
  return {std::move(name), sk2::kString, std::move(text)};
}

Sk2Record MakeBitmapRecord(std::string name, std::string bmpBytes) {
  return {std::move(name), sk2::kBitmap, std::move(bmpBytes)};
}

int32_t IntegerPayload(const Sk2Record& record) {
  return static_cast<int32_t>(sk2::ReadU32(reinterpret_cast<const uint8_t*>(record.Payload.data())));
}
