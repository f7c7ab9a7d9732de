#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "SkinImage.h"

// Decodes a whole Windows BMP file held in memory into a 24-bit image. Accepts uncompressed
// 24-bit files (bottom-up or top-down), 8-bit palettized files and 32-bit files (alpha dropped);
// throws EInvalidGraphic for anything else or for sizes that do not fit the data.
std::unique_ptr<SkinImage> DecodeBmp(const uint8_t* data, size_t size);
