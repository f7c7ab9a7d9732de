#pragma once
// Skin archives built on the fly for the reader tests.
#include <string>
#include <vector>

#include "Sk2Record.h"
#include "TestFiles.h"

namespace testfiles {

// Writes a skin archive made of records into a private temporary folder; returns its path.
std::string WriteSkin(const PrivateTempDir& dir, const std::string& name, const std::vector<Sk2Record>& records,
                      const std::string& password = "");

template <typename ColourFn>
Sk2Record BitmapRecord(const std::string& key, int width, int height, ColourFn colour) {
  return MakeBitmapRecord(key, MakeBmp(width, height, colour));
}

inline constexpr uint32_t kMagenta = 0xFF00FF;

}  // namespace testfiles
