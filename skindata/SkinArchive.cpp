#include "SkinArchive.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "FileStream.h"
#include "PkwareCipher.h"
#include "Sk2Format.h"
#include "AsciiText.h"
#include "SkinError.h"

using sk2::ReadU16;
using sk2::ReadU32;

namespace {
constexpr size_t kEndRecordSize = 22;
constexpr size_t kCentralFixed = 46;
constexpr size_t kLocalFixed = 30;
constexpr size_t kInputBuffer = 16 * 1024;
constexpr size_t kOutputBuffer = 64 * 1024;
constexpr size_t kMaxEntryName = 259;

struct CentralEntry {
  uint16_t Flags = 0;
  uint16_t Time = 0;
  uint32_t Crc = 0;
  uint32_t UncompressedSize = 0;
  uint32_t LocalHeaderOffset = 0;
};

// Walks the central directory; true when an entry of that name (ASCII case-insensitive) exists.
bool FindEntry(FileStream& archive, int64_t endRecord, const std::string& wanted, CentralEntry& found) {
  uint8_t end[kEndRecordSize];
  archive.ReadExact(end, sizeof end);
  int64_t position = ReadU32(end + 16);
  const std::string wantedUpper = AsciiUpper(wanted);
  std::string name;
  while (position < endRecord) {
    archive.Seek(position);
    uint8_t fixed[kCentralFixed];
    archive.ReadExact(fixed, sizeof fixed);
    const uint16_t n = ReadU16(fixed + 28), e = ReadU16(fixed + 30), c = ReadU16(fixed + 32);
    name.resize(n);
    archive.ReadExact(name.data(), n);
    name.resize(name.find('\0') == std::string::npos ? n : name.find('\0'));
    if (name.size() <= kMaxEntryName && AsciiUpper(name) == wantedUpper) {
      found.Flags = ReadU16(fixed + 8);
      found.Time = ReadU16(fixed + 12);
      found.Crc = ReadU32(fixed + 16);
      found.UncompressedSize = ReadU32(fixed + 24);
      found.LocalHeaderOffset = ReadU32(fixed + 42);
      return true;
    }
    position += int64_t(kCentralFixed) + n + e + c;
  }
  return false;
}

// Owns a raw-DEFLATE inflater.
class Inflater {
public:
  Inflater() {
    if (inflateInit2(&FStream, -MAX_WBITS) != Z_OK) throw ESkinError("Cannot start the inflater");
  }
  ~Inflater() { inflateEnd(&FStream); }
  z_stream& Stream() { return FStream; }

private:
  z_stream FStream{};
};

// Inflates the entry's data from the archive's current position into the output, deciphering on
// the way. Stops at the end of the final block, at the first inflater error, when the input runs
// out, or as soon as the output grows past the size the directory promises.
void InflateEntry(FileStream& archive, FileStream& output, PkwareCipher* cipher, uint32_t expectedSize) {
  Inflater inflater;
  z_stream& z = inflater.Stream();
  std::vector<uint8_t> in(kInputBuffer), out(kOutputBuffer);
  const uint64_t limit = uint64_t(expectedSize) + 1;
  uint64_t written = 0;
  bool outputFull = false;
  for (;;) {
    if (z.avail_in == 0) {
      size_t got = archive.Read(in.data(), in.size());
      // At the end of the input, a full output buffer may still leave output inside the inflater.
      if (got == 0 && !outputFull) return;
      if (cipher) cipher->Decipher(in.data(), got);
      z.next_in = in.data();
      z.avail_in = static_cast<uInt>(got);
    }
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    int status = inflate(&z, Z_NO_FLUSH);
    size_t produced = out.size() - z.avail_out;
    outputFull = z.avail_out == 0;
    size_t keep = static_cast<size_t>(std::min<uint64_t>(produced, limit - written));
    output.Write(out.data(), keep);
    written += keep;
    if (written >= limit) return;
    if (status == Z_STREAM_END) return;
    if (status != Z_OK && status != Z_BUF_ERROR) return;
    if (status == Z_BUF_ERROR && (z.avail_in != 0 || !outputFull)) return;  // no progress possible
  }
}
}  // namespace

int64_t FindEndOfCentralDir(FileStream& Stream) {
  const int64_t size = Stream.Size();
  if (size < int64_t(kEndRecordSize)) return -1;
  const int64_t at = size - int64_t(kEndRecordSize);
  Stream.Seek(at);
  uint8_t end[kEndRecordSize];
  if (Stream.Read(end, sizeof end) != sizeof end) return -1;
  if (std::memcmp(end, "PK\x05\x06", 4) != 0 || ReadU16(end + 20) != 0) return -1;
  Stream.Seek(at);
  return at;
}

int ExtractSkinEntry(const std::string& ArchiveFileName, const std::string& EntryName,
                     const std::string& OutputFileName, const std::string& Password) {
  int result = kExtractUnreadable;
  if (!FileStream::Exists(ArchiveFileName)) return result;

  std::unique_ptr<FileStream> archive;
  std::unique_ptr<FileStream> output;
  CentralEntry entry;
  bool created = false;
  try {
    archive = std::make_unique<FileStream>(ArchiveFileName, FileStream::Mode::OpenRead);
    uint8_t start[4];
    if (archive->Read(start, 4) < 2 || start[0] != 'S' || start[1] != 'K') return result;
    const int64_t endRecord = FindEndOfCentralDir(*archive);
    if (endRecord < 0) return result;
    if (!FindEntry(*archive, endRecord, EntryName, entry)) return result;
    // Creating the output would empty the archive while it is being read.
    if (archive->IsSameFile(OutputFileName)) return result;

    output = std::make_unique<FileStream>(OutputFileName, FileStream::Mode::Create);
    created = true;
    [&] {
      archive->Seek(entry.LocalHeaderOffset);
      uint8_t local[kLocalFixed];
      archive->ReadExact(local, sizeof local);
      archive->Seek(int64_t(entry.LocalHeaderOffset) + kLocalFixed + ReadU16(local + 26) + ReadU16(local + 28));

      std::unique_ptr<PkwareCipher> cipher;
      if (entry.Flags & 1) {
        if (Password.empty()) {
          result = kExtractBadPassword;
          return;
        }
        cipher = std::make_unique<PkwareCipher>(Password);
        uint8_t header[12];
        archive->ReadExact(header, sizeof header);
        cipher->Decipher(header, sizeof header);
        const uint8_t check = (entry.Flags & 8) ? uint8_t(entry.Time >> 8) : uint8_t(entry.Crc >> 24);
        if (header[11] != check) {
          result = kExtractBadPassword;
          return;
        }
      }
      InflateEntry(*archive, *output, cipher.get(), entry.UncompressedSize);
      result = kExtractOk;
    }();
  } catch (...) {
    // Any failure is "unreadable"; once the output exists the size check below decides.
    result = kExtractUnreadable;
  }

  if (output) {
    int64_t size = -1;
    try {
      size = output->Size();
    } catch (...) {
    }
    if (size == 0 && result == kExtractOk)
      result = kExtractUnreadable;
    else if (size != int64_t(entry.UncompressedSize))
      result = kExtractBadPassword;
    output.reset();
  }
  archive.reset();
  // Only a file this call created is removed: a failure before that must not touch an existing file.
  if (created && result != kExtractOk) FileStream::Delete(OutputFileName);
  return result;
}
