#include "BitmapFile.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "BmpDecoder.h"
#include "SkinError.h"
#include "TBitmap.h"
#include "TextEncoding.h"

namespace {
template <class T>
void Put(std::vector<uint8_t>& Out, size_t At, T Value) {
  std::memcpy(Out.data() + At, &Value, sizeof(T));
}
}  // namespace

std::vector<uint8_t> SaveBitmapToBytes(const TBitmap& Bitmap) {
  if (Bitmap.Empty()) return {};
  const int width = Bitmap.Width();
  const int height = Bitmap.Height();
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  const size_t headers = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  std::vector<uint8_t> out(headers + stride * static_cast<size_t>(height), 0);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfSize = static_cast<DWORD>(out.size());
  file.bfOffBits = static_cast<DWORD>(headers);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;  // bottom-up
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(stride * static_cast<size_t>(height));
  Put(out, 0, file);
  Put(out, sizeof(file), info);
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = Bitmap.ScanLine(y);
    std::memcpy(out.data() + headers + stride * static_cast<size_t>(height - 1 - y), row, static_cast<size_t>(width) * 3);
  }
  return out;
}

void LoadBitmapFromBytes(TBitmap& Bitmap, std::span<const uint8_t> Bytes) {
  if (Bytes.empty()) {
    Bitmap.Clear();
    return;
  }
  std::unique_ptr<SkinImage> image = DecodeBmp(Bytes.data(), Bytes.size());
  TBitmap decoded(std::move(*image));
  Bitmap.Assign(decoded);
}

void LoadBitmapFromFile(TBitmap& Bitmap, const std::string& FileName) {
  const std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(Utf8ToWide(FileName).c_str(), L"rb"), &std::fclose);
  if (!file) throw EInvalidGraphic("Cannot open the picture file " + FileName);
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof(chunk), file.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  if (std::ferror(file.get())) throw EInvalidGraphic("Cannot read the picture file " + FileName);
  LoadBitmapFromBytes(Bitmap, bytes);
}
