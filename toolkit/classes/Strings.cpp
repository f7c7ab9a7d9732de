#include "Strings.h"

#include <exception>

#include "ClassesErrors.h"
#include "Filer.h"
#include "Publisher.h"
#include "Reader.h"
#include "TextHelpers.h"
#include "Writer.h"

VEXA_DEFINE_CLASS(TStrings) {}

namespace {

// Pairs BeginUpdate with EndUpdate on every way out. While another exception is on its way, an
// error from the change event it fires is dropped rather than ending the program.
class TUpdateScope {
public:
  explicit TUpdateScope(TStrings& List) : FList(List), FExceptions(std::uncaught_exceptions()) { FList.BeginUpdate(); }
  ~TUpdateScope() noexcept(false) {
    try {
      FList.EndUpdate();
    } catch (...) {
      if (std::uncaught_exceptions() == FExceptions) throw;
    }
  }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
  TStrings& FList;
  int FExceptions;
};

bool NeedsQuotes(std::string_view S) {
  if (S.empty()) return true;
  for (char c : S)
    if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"') return true;
  return false;
}

bool IsBlank(char C) { return C != 0 && static_cast<unsigned char>(C) <= ' '; }

}  // namespace

void TStrings::SetStrings(int Index, const std::string& S) {
  TObject* object = Objects(Index);
  TUpdateScope scope(*this);
  Delete(Index);
  InsertObject(Index, S, object);
}

TObject* TStrings::Objects(int Index) const {
  if (Index < 0 || Index >= Count()) IndexError(Index);
  return nullptr;
}

void TStrings::SetObjects(int Index, TObject*) {
  if (Index < 0 || Index >= Count()) IndexError(Index);
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
  const int index = Count();
  InsertObject(index, S, AObject);
  return index;
}

void TStrings::AddStrings(const TStrings& Source) {
  TUpdateScope scope(*this);
  for (int i = 0; i < Source.Count(); ++i) AddObject(Source.Strings(i), Source.Objects(i));
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  if (NewIndex < 0 || NewIndex >= Count()) IndexError(NewIndex);
  TUpdateScope scope(*this);
  const std::string text = Strings(CurIndex);
  TObject* object = Objects(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, text, object);
}

int TStrings::IndexOf(std::string_view S) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Strings(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(std::string_view Name) const {
  for (int i = 0; i < Count(); ++i) {
    const std::string line = Strings(i);
    const size_t eq = line.find('=');
    if (eq != std::string::npos && CompareStrings(std::string_view(line).substr(0, eq), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
  for (int i = 0; i < Count(); ++i)
    if (Objects(i) == AObject) return i;
  return -1;
}

std::string TStrings::Names(int Index) const {
  const std::string line = Strings(Index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int Index) const {
  const std::string line = Strings(Index);
  const size_t eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

std::string TStrings::Values(std::string_view Name) const {
  const int index = IndexOfName(Name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValue(std::string_view Name, std::string_view Value) {
  const int index = IndexOfName(Name);
  if (Value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  std::string line = std::string(Name) + "=" + std::string(Value);
  if (index >= 0)
    SetStrings(index, line);
  else
    Add(line);
}

std::string TStrings::Text() const {
  std::string result;
  for (int i = 0; i < Count(); ++i) {
    result += Strings(i);
    result += LineBreak;
  }
  return result;
}

void TStrings::SetText(std::string_view Value) {
  TUpdateScope scope(*this);
  Clear();
  size_t start = 0;
  while (start < Value.size()) {
    size_t end = Value.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      Add(std::string(Value.substr(start)));
      break;
    }
    Add(std::string(Value.substr(start, end - start)));
    start = end + ((Value[end] == '\r' && end + 1 < Value.size() && Value[end + 1] == '\n') ? 2 : 1);
  }
}

std::string TStrings::CommaText() const {
  std::string result;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) result += ',';
    const std::string line = Strings(i);
    if (!NeedsQuotes(line)) {
      result += line;
      continue;
    }
    result += '"';
    for (char c : line) {
      if (c == '"') result += '"';
      result += c;
    }
    result += '"';
  }
  return result;
}

void TStrings::SetCommaText(std::string_view Value) {
  TUpdateScope scope(*this);
  Clear();
  size_t p = 0;
  auto skipBlanks = [&] {
    while (p < Value.size() && IsBlank(Value[p])) ++p;
  };
  skipBlanks();
  while (p < Value.size()) {
    std::string item;
    if (Value[p] == '"') {
      ++p;
      while (p < Value.size()) {
        if (Value[p] == '"') {
          if (p + 1 < Value.size() && Value[p + 1] == '"') {
            item += '"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item += Value[p++];
      }
    } else {
      while (p < Value.size() && !IsBlank(Value[p]) && Value[p] != ',' && Value[p] != 0) item += Value[p++];
    }
    Add(item);
    skipBlanks();
    if (p < Value.size() && Value[p] == ',') {
      ++p;
      if (p == Value.size()) Add(std::string());  // a trailing comma ends an empty line
      skipBlanks();
    }
  }
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);  // still at 0, so a change event may fire
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

bool TStrings::Equals(const TStrings& Other) const {
  if (Count() != Other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Strings(i) != Other.Strings(i)) return false;
  return true;
}

void TStrings::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TStrings*>(Source);
  if (!source) return TPersistent::Assign(Source);
  if (source == this) return;
  TUpdateScope scope(*this);
  Clear();
  AddStrings(*source);
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(std::string_view A, std::string_view B) const { return CompareText(A, B); }

void TStrings::DefineProperties(TFiler& Filer) {
  inherited::DefineProperties(Filer);
  Filer.DefineProperty(
      "Strings", [this](TReader& Reader) { ReadLines(Reader); }, [this](TWriter& Writer) { WriteLines(Writer); },
      Count() > 0);
}

void TStrings::ReadLines(TReader& Reader) {
  TUpdateScope scope(*this);
  Clear();
  Reader.ReadListBegin();
  while (!Reader.EndOfList()) Add(Reader.ReadString());
  Reader.ReadListEnd();
}

void TStrings::WriteLines(TWriter& Writer) const {
  Writer.WriteListBegin();
  for (int i = 0; i < Count(); ++i) Writer.WriteString(Strings(i));
  Writer.WriteListEnd();
}

void TStrings::IndexError(int Index) const {
  throw EStringListError("List index out of bounds (" + std::to_string(Index) + ")");
}
