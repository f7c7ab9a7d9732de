#include "SkinArchiveWriter.h"

#include <zlib.h>

#include <random>

#include "PkwareCipher.h"
#include "ToolError.h"

namespace {
constexpr uint16_t kVersion20 = 20;
constexpr uint16_t kMethodDeflate = 8;
constexpr uint16_t kFlagEncrypted = 1 << 0;
constexpr uint16_t kFlagCheckFromTime = 1 << 3;
constexpr uint32_t kArchiveAttribute = 0x20;
constexpr size_t kEncryptionHeaderSize = 12;

void PutU16(std::string& out, uint16_t v) {
  out.push_back(static_cast<char>(v));
  out.push_back(static_cast<char>(v >> 8));
}
void PutU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}

// Owns a zlib deflate stream for its lifetime.
class Deflater {
public:
  Deflater() {
    if (deflateInit2(&FStream, 9, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
      throw SkinToolError("cannot start the compressor");
  }
  ~Deflater() { deflateEnd(&FStream); }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;

  std::string Compress(const std::string& input) {
    std::string out(deflateBound(&FStream, static_cast<uLong>(input.size())), '\0');
    FStream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    FStream.avail_in = static_cast<uInt>(input.size());
    FStream.next_out = reinterpret_cast<Bytef*>(out.data());
    FStream.avail_out = static_cast<uInt>(out.size());
    if (deflate(&FStream, Z_FINISH) != Z_STREAM_END) throw SkinToolError("compression failed");
    out.resize(FStream.total_out);
    return out;
  }

private:
  z_stream FStream{};
};
}  // namespace

std::string BuildSkinArchive(const std::string& sk2Bytes, const SkinArchiveOptions& options) {
  // zlib's single-call interface takes 32-bit lengths, and so do the ZIP size fields.
  if (sk2Bytes.size() > UINT32_MAX / 2) throw SkinToolError("resource file too large for a skin archive");
  const uint32_t crc = static_cast<uint32_t>(
      crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(sk2Bytes.data()), static_cast<uInt>(sk2Bytes.size())));
  std::string data = Deflater().Compress(sk2Bytes);

  uint16_t flags = 0;
  if (!options.Password.empty()) {
    flags |= kFlagEncrypted;
    if (options.CheckByteFromTime) flags |= kFlagCheckFromTime;
    std::string header(kEncryptionHeaderSize, '\0');
    std::random_device random;
    for (size_t i = 0; i + 1 < kEncryptionHeaderSize; ++i) header[i] = static_cast<char>(random());
    // The reader accepts the password when the last deciphered header byte matches this.
    header.back() = static_cast<char>(options.CheckByteFromTime ? options.DosTime >> 8 : crc >> 24);
    data.insert(0, header);
    PkwareCipher cipher(options.Password);
    cipher.Encipher(reinterpret_cast<uint8_t*>(data.data()), data.size());
  }

  const std::string& name = options.EntryName;
  if (name.size() > UINT16_MAX) throw SkinToolError("entry name too long");
  const auto nameLength = static_cast<uint16_t>(name.size());
  const auto compressedSize = static_cast<uint32_t>(data.size());
  const auto size = static_cast<uint32_t>(sk2Bytes.size());

  std::string out;
  out += std::string("SK\x03\x04", 4);
  PutU16(out, kVersion20);
  PutU16(out, flags);
  PutU16(out, kMethodDeflate);
  PutU16(out, options.DosTime);
  PutU16(out, options.DosDate);
  PutU32(out, crc);
  PutU32(out, compressedSize);
  PutU32(out, size);
  PutU16(out, nameLength);
  PutU16(out, 0);  // no extra field
  out += name;
  out += data;

  const uint64_t directoryOffset = out.size();
  if (directoryOffset > UINT32_MAX) throw SkinToolError("skin archive larger than 4 GB");
  out += std::string("PK\x01\x02", 4);
  PutU16(out, kVersion20);  // made by
  PutU16(out, kVersion20);  // needed to extract
  PutU16(out, flags);
  PutU16(out, kMethodDeflate);
  PutU16(out, options.DosTime);
  PutU16(out, options.DosDate);
  PutU32(out, crc);
  PutU32(out, compressedSize);
  PutU32(out, size);
  PutU16(out, nameLength);
  PutU16(out, 0);  // extra field
  PutU16(out, 0);  // comment
  PutU16(out, 0);  // disk number start
  PutU16(out, 0);  // internal attributes
  PutU32(out, kArchiveAttribute);
  PutU32(out, 0);  // local header offset
  out += name;
  const auto directorySize = static_cast<uint32_t>(out.size() - directoryOffset);

  out += std::string("PK\x05\x06", 4);
  PutU16(out, 0);
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, 1);
  PutU32(out, directorySize);
  PutU32(out, static_cast<uint32_t>(directoryOffset));
  PutU16(out, 0);  // no archive comment
  return out;
}
