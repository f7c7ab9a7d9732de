#pragma once
#include <cstdint>
#include <string>

struct SkinArchiveOptions {
  std::string Password;             // empty: the entry is stored without encryption
  bool CheckByteFromTime = false;   // the password check byte comes from DosTime (flag bit 3)
  uint16_t DosTime = 0, DosDate = 0;
  std::string EntryName = "SKINDATA.SK2";
};

// Wraps an SK2 resource file in a skin archive: one raw-DEFLATE entry (optionally enciphered with
// the traditional PKWARE cipher) in the ZIP layout whose local header starts with "SK".
// Throws SkinToolError when compression fails or the data exceed the 32-bit ZIP fields.
std::string BuildSkinArchive(const std::string& sk2Bytes, const SkinArchiveOptions& options);
