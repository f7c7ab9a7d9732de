#include "MemoLines.h"

#include <utility>

#include "Control.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TMemoLines) {}

std::vector<std::string> TMemoLines::Read() const {
  if (FBuffered) return FBuffer;
  const std::string text = FMemo.Text();
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

void TMemoLines::Write(const std::vector<std::string>& Lines) {
  if (FBuffered) {
    FBuffer = Lines;
    return;
  }
  // Lines are joined, not ended, by the break: a memo shows no empty line after the last one.
  std::string text;
  for (size_t i = 0; i < Lines.size(); ++i) {
    if (i > 0) text += LineBreak;
    text += Lines[i];
  }
  FMemo.SetText(text);
}

int TMemoLines::Count() const { return static_cast<int>(Read().size()); }

std::string TMemoLines::Strings(int Index) const {
  const std::vector<std::string> lines = Read();
  if (Index < 0 || Index >= static_cast<int>(lines.size())) IndexError(Index);
  return lines[static_cast<size_t>(Index)];
}

void TMemoLines::SetStrings(int Index, const std::string& S) {
  std::vector<std::string> lines = Read();
  if (Index < 0 || Index >= static_cast<int>(lines.size())) IndexError(Index);
  lines[static_cast<size_t>(Index)] = S;
  Write(lines);
}

void TMemoLines::InsertObject(int Index, const std::string& S, TObject*) {
  std::vector<std::string> lines = Read();
  if (Index < 0 || Index > static_cast<int>(lines.size())) IndexError(Index);
  lines.insert(lines.begin() + Index, S);
  Write(lines);
}

void TMemoLines::Delete(int Index) {
  std::vector<std::string> lines = Read();
  if (Index < 0 || Index >= static_cast<int>(lines.size())) IndexError(Index);
  lines.erase(lines.begin() + Index);
  Write(lines);
}

void TMemoLines::Clear() { Write({}); }

void TMemoLines::SetUpdateState(bool Updating) {
  if (Updating) {
    FBuffer = Read();
    FBuffered = true;
  } else {
    FBuffered = false;
    Write(std::exchange(FBuffer, {}));
  }
}
