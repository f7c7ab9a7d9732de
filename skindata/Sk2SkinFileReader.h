#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "AsciiText.h"
#include "SkinImage.h"

// One parsed SK2 resource file: every bitmap, integer, boolean and string of a skin archive,
// read at once through a temporary file that is deleted before the constructor returns.
class Tsk2SkinFileReader {
public:
  struct BitmapEntry {
    std::string Name;
    std::unique_ptr<SkinImage> Bitmap;
  };
  struct ValueEntry {
    std::string Name;
    std::string Value;  // decimal text for integers and booleans, the text itself for strings
  };

  // Throws ESkinError ("Wrong password!", "Failed to read skin file!", "ERROR") or EInvalidGraphic.
  Tsk2SkinFileReader(const std::string& ArchiveFileName, const std::string& Password);

  SkinImage* GetBitmap(const std::string& Name) const;  // none (null) if absent
  int IndexOfBitmap(const std::string& Name) const;     // position in Bitmaps(), or -1
  int32_t GetInteger(const std::string& Name) const;    // -1 if absent or not a number
  bool GetBool(const std::string& Name) const;          // false if absent or not a number
  void SetTransparentColor(int32_t Color);

  // The four lists in file order.
  const std::vector<BitmapEntry>& Bitmaps() const { return FBitmaps; }
  const std::vector<ValueEntry>& Integers() const { return FIntegers; }
  const std::vector<ValueEntry>& Booleans() const { return FBooleans; }
  const std::vector<ValueEntry>& Strings() const { return FStrings; }

  // Parses an SK2 file already in memory (the constructor's second half; also used for fuzzing).
  void Parse(const uint8_t* data, size_t size);

  // Builds an empty reader (tests and tools that parse bytes directly).
  struct NoLoad {};
  explicit Tsk2SkinFileReader(NoLoad) {}

private:
  using Index = std::unordered_map<std::string, size_t>;  // upper-cased name -> first position
  static const ValueEntry* Find(const std::vector<ValueEntry>& list, const Index& index, const std::string& name);

  std::vector<BitmapEntry> FBitmaps;
  std::vector<ValueEntry> FIntegers;
  std::vector<ValueEntry> FBooleans;
  std::vector<ValueEntry> FStrings;
  Index FBitmapIndex, FIntegerIndex, FBooleanIndex, FStringIndex;
};
