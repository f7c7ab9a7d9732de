#pragma once
#include <cstdint>
#include <string>

class FileStream;

// Result codes of ExtractSkinEntry.
enum : int {
  kExtractOk = 0,           // the output file holds the inflated entry
  kExtractUnreadable = 1,   // the archive cannot be read
  kExtractBadPassword = 2,  // the password is missing or wrong, or the inflated size does not match
};

// Extracts the entry EntryName (ASCII case-insensitive) of a skin archive into OutputFileName,
// deciphering it with Password when the entry is enciphered. No output survives a non-zero result.
int ExtractSkinEntry(const std::string& ArchiveFileName, const std::string& EntryName,
                     const std::string& OutputFileName, const std::string& Password);

// Offset of the end-of-central-directory record, which must be exactly the last 22 bytes of the
// stream and carry no comment; the stream is left positioned at it. Negative when there is none.
int64_t FindEndOfCentralDir(FileStream& Stream);
