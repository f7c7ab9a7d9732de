#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TBitmap;

// Toolkit bitmaps as BMP files: written as 24-bit uncompressed bottom-up files; read from
// whatever the BMP decoder accepts (24-, 32- and 8-bit uncompressed). Reading raises
// EInvalidGraphic for bytes that are no such file and leaves the bitmap unchanged then. An empty
// bitmap is written as no bytes, and no bytes read as an empty bitmap.
std::vector<uint8_t> SaveBitmapToBytes(const TBitmap& Bitmap);
void LoadBitmapFromBytes(TBitmap& Bitmap, std::span<const uint8_t> Bytes);
// The file's bytes read whole (UTF-8 name); EInvalidGraphic also when the file cannot be read.
void LoadBitmapFromFile(TBitmap& Bitmap, const std::string& FileName);
