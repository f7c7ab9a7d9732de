#include <gtest/gtest.h>

#include "FileFilter.h"

TEST(FileFilter, PairsBecomeNulSeparatedWithADoubleNulEnd) {
  using namespace std::string_literals;
  struct Case {
    const char* Filter;
    std::wstring Native;
  };
  const Case cases[] = {
      {"", L""s},
      {"Text files|*.txt", L"Text files\0*.txt\0\0"s},
      {"Text|*.txt|All|*.*", L"Text\0*.txt\0All\0*.*\0\0"s},
      {"Pictures|*.bmp;*.png", L"Pictures\0*.bmp;*.png\0\0"s},
      {"Text|*.txt|Orphan", L"Text\0*.txt\0\0"s},  // a description without pattern is dropped
      {"Only a description", L""s},
      {"Caf\xC3\xA9|*.c", L"Caf\u00E9\0*.c\0\0"s},  // UTF-8 in, UTF-16 out
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Filter);
    EXPECT_EQ(FileFilterToNative(c.Filter), c.Native);
  }
}
