// Feeds arbitrary bytes through the three parsers of untrusted skin data. The first byte picks the
// path so that each seed keeps exercising the parser it was made for:
//   0: skin archive, no password   1: skin archive, password "pw"   2: SK2 table   3: BMP file
#include <cstdint>
#include <cstdio>
#include <string>

#include "BmpDecoder.h"
#include "FileStream.h"
#include "Sk2SkinFileReader.h"
#include "SkinError.h"
#include "TempFileName.h"

namespace {
// One scratch archive per fuzzing process, removed when it exits.
struct ScratchFile {
  std::string Path = NewTempFileName() + ".fuzz.mvx";
  ~ScratchFile() { FileStream::Delete(Path); }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const uint8_t mode = data[0] % 4;
  ++data;
  --size;
  try {
    switch (mode) {
      case 0:
      case 1: {
        static const ScratchFile scratch;
        const std::string& archive = scratch.Path;
        FileStream::WriteAll(archive, std::string(reinterpret_cast<const char*>(data), size));
        Tsk2SkinFileReader reader(archive, mode == 1 ? "pw" : "");
        reader.SetTransparentColor(0xFF00FF);
        (void)reader.GetInteger("SKIN2_FORMCOLOR");
        break;
      }
      case 2: {
        Tsk2SkinFileReader reader{Tsk2SkinFileReader::NoLoad{}};
        reader.Parse(data, size);
        for (const auto& b : reader.Bitmaps()) (void)b.Bitmap->Pixel(b.Bitmap->Width() - 1, b.Bitmap->Height() - 1);
        (void)reader.GetBool("SKIN2_TITLEFIVESECT");
        break;
      }
      default: {
        auto image = DecodeBmp(data, size);
        (void)image->Pixel(image->Width() - 1, 0);
        break;
      }
    }
  } catch (const ESkinError&) {
    // refusing bad input is the expected outcome
  }
  return 0;
}
