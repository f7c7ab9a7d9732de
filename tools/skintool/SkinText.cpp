#include "SkinText.h"

#include <cstdio>

#include "Sk2Format.h"
#include "ToolError.h"

namespace {
constexpr int64_t kIntMin = INT32_MIN, kIntMax = INT32_MAX;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Splits off the next blank-separated word starting at `pos`; `pos` ends on the blank after it.
std::string NextWord(const std::string& line, size_t& pos) {
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  const size_t start = pos;
  while (pos < line.size() && !IsBlank(line[pos])) ++pos;
  return line.substr(start, pos - start);
}

// Decimal or 0x-hexadecimal with an optional sign. False when it is not a number at all;
// values far outside 32 bits are clamped, which still reads as out of range.
bool ParseNumber(const std::string& word, int64_t& value) {
  size_t i = 0;
  bool negative = false;
  if (i < word.size() && (word[i] == '-' || word[i] == '+')) negative = word[i++] == '-';
  int base = 10;
  if (word.size() - i > 2 && word[i] == '0' && (word[i + 1] == 'x' || word[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == word.size()) return false;
  int64_t magnitude = 0;
  for (; i < word.size(); ++i) {
    const char c = word[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return false;
    magnitude = std::min<int64_t>(magnitude * base + digit, int64_t(1) << 40);
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

class LineParser {
public:
  LineParser(const std::string& label, int line) : FLabel(label), FLine(line) {}

  [[noreturn]] void Fail(const std::string& problem) const {
    throw SkinToolError(FLabel + ":" + std::to_string(FLine) + ": " + problem);
  }

  SkinTextEntry Parse(const std::string& line) {
    size_t pos = 0;
    const std::string kind = NextWord(line, pos);
    SkinTextEntry entry;
    entry.Line = FLine;
    if (kind == "integer") entry.Kind = SkinEntryKind::Integer;
    else if (kind == "boolean") entry.Kind = SkinEntryKind::Boolean;
    else if (kind == "string") entry.Kind = SkinEntryKind::String;
    else if (kind == "bitmap") entry.Kind = SkinEntryKind::Bitmap;
    else Fail("unknown entry kind " + Quoted(kind) + " (expected bitmap, integer, boolean or string)");

    entry.Name = NextWord(line, pos);
    if (entry.Name.empty())
      Fail(kind + (entry.Kind == SkinEntryKind::Integer || entry.Kind == SkinEntryKind::Boolean
                       ? " entry needs a name and a value"
                       : " entry needs a name"));
    if (const std::string problem = SkinNameProblem(entry.Name); !problem.empty()) Fail(problem);

    switch (entry.Kind) {
      case SkinEntryKind::String:
        // The text is everything after the one blank that ends the name, so leading and
        // trailing spaces of a text survive.
        entry.Text = pos < line.size() ? line.substr(pos + 1) : std::string();
        if (entry.Text.size() > sk2::kMaxStringSize)
          Fail("string text is " + std::to_string(entry.Text.size()) + " bytes long, at most " +
               std::to_string(sk2::kMaxStringSize));
        break;
      case SkinEntryKind::Bitmap:
        entry.Text = NextWord(line, pos);
        if (entry.Text == "." || entry.Text == ".." || entry.Text.find_first_of("/\\") != std::string::npos)
          Fail("bitmap file " + Quoted(entry.Text) + " must be a plain file name in the skin folder");
        break;
      case SkinEntryKind::Integer:
      case SkinEntryKind::Boolean:
        entry.Number = ParseValue(entry.Kind, kind, NextWord(line, pos));
        break;
    }
    if (entry.Kind != SkinEntryKind::String) {
      if (const std::string extra = NextWord(line, pos); !extra.empty())
        Fail("unexpected " + Quoted(extra) + " at the end of the " + kind + " entry");
    }
    return entry;
  }

private:
  int32_t ParseValue(SkinEntryKind kind, const std::string& kindName, const std::string& word) const {
    if (word.empty()) Fail(kindName + " entry needs a name and a value");
    int64_t value = 0;
    if (!ParseNumber(word, value)) Fail(kindName + " value " + Quoted(word) + " is not a number");
    if (kind == SkinEntryKind::Boolean && (value < 0 || value > 255))
      Fail("boolean value " + word + " out of range 0-255");
    if (value < kIntMin || value > kIntMax)
      Fail("integer value " + word + " out of range -2147483648 to 2147483647");
    return static_cast<int32_t>(value);
  }

  const std::string& FLabel;
  int FLine;
};

std::string FormatInteger(const SkinTextEntry& entry) {
  // Colours read best as 0xBBGGRR.
  if (entry.Number >= 0 && entry.Name.find("COLOR") != std::string::npos) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(entry.Number));
    return text;
  }
  return std::to_string(entry.Number);
}
}  // namespace

std::string SkinNameProblem(const std::string& name) {
  const std::string quoted = Quoted(name);
  if (name.empty()) return "empty name";
  if (name.size() > sk2::kNameSize)
    return "name " + quoted + " is " + std::to_string(name.size()) + " bytes long, at most " +
           std::to_string(sk2::kNameSize);
  for (char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f')
      return "name " + quoted + " contains whitespace";
    if (c < 0x20 || c == 0x7F) return "name " + quoted + " contains a control character";
    if (c == '/' || c == '\\') return "name " + quoted + " contains a path separator";
    if (c > 0x7F) return "name " + quoted + " contains a non-ASCII byte";
  }
  return {};
}

std::vector<SkinTextEntry> ParseSkinText(const std::string& text, const std::string& label) {
  std::vector<SkinTextEntry> entries;
  size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // editors may add a UTF-8 mark
  for (int lineNumber = 1; start < text.size(); ++lineNumber) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();

    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    entries.push_back(LineParser(label, lineNumber).Parse(line));
  }
  return entries;
}

std::string FormatSkinText(const std::vector<SkinTextEntry>& entries) {
  std::string out =
      "# Skin resources in file order, one per line:\n"
      "#   bitmap NAME [FILE]   integer NAME VALUE   boolean NAME 0-255   string NAME TEXT\n";
  for (const SkinTextEntry& entry : entries) {
    if (const std::string problem = SkinNameProblem(entry.Name); !problem.empty())
      throw SkinToolError("cannot write skin.txt: " + problem);
    switch (entry.Kind) {
      case SkinEntryKind::Bitmap:
        out += "bitmap " + entry.Name;
        if (!entry.Text.empty()) out += " " + entry.Text;
        break;
      case SkinEntryKind::Integer:
        out += "integer " + entry.Name + " " + FormatInteger(entry);
        break;
      case SkinEntryKind::Boolean:
        out += "boolean " + entry.Name + " " + std::to_string(entry.Number);
        break;
      case SkinEntryKind::String:
        if (entry.Text.find_first_of("\r\n") != std::string::npos)
          throw SkinToolError("cannot write skin.txt: string " + Quoted(entry.Name) + " holds a line break");
        out += "string " + entry.Name;
        if (!entry.Text.empty()) out += " " + entry.Text;
        break;
    }
    out += "\n";
  }
  return out;
}
