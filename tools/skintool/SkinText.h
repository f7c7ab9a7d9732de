#pragma once
#include <cstdint>
#include <string>
#include <vector>

// skin.txt, the text half of a skin folder: one entry per line,
//   bitmap NAME [FILE]     integer NAME VALUE     boolean NAME VALUE     string NAME TEXT
// Blank lines and lines whose first non-blank character is '#' are ignored.
enum class SkinEntryKind { Bitmap, Integer, Boolean, String };

struct SkinTextEntry {
  SkinEntryKind Kind = SkinEntryKind::Integer;
  std::string Name;
  int32_t Number = 0;  // integer value, or the boolean's byte
  std::string Text;    // string text, or the bitmap's file name (empty: NAME.bmp)
  int Line = 0;        // line it came from (set by ParseSkinText)
};

// Parses the whole file; every error is a SkinToolError "LABEL:LINE: problem".
std::vector<SkinTextEntry> ParseSkinText(const std::string& text, const std::string& label);

// Renders entries one per line (integers whose name contains "COLOR" in hex), under a short header.
// Throws SkinToolError naming the entry when the format cannot hold it.
std::string FormatSkinText(const std::vector<SkinTextEntry>& entries);

// Empty when `name` can be a resource name in skin.txt, else the reason it cannot.
std::string SkinNameProblem(const std::string& name);
