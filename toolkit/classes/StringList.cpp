#include "StringList.h"

#include <algorithm>

#include "ClassesErrors.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TStringList) {}

std::string TStringList::Strings(int Index) const {
  CheckIndex(Index, Count() - 1);
  return FItems[static_cast<size_t>(Index)].Text;
}

void TStringList::SetStrings(int Index, const std::string& S) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(Index, Count() - 1);
  Changing();
  FItems[static_cast<size_t>(Index)].Text = S;
  Changed();
}

TObject* TStringList::Objects(int Index) const {
  CheckIndex(Index, Count() - 1);
  return FItems[static_cast<size_t>(Index)].Object;
}

void TStringList::SetObjects(int Index, TObject* AObject) {
  CheckIndex(Index, Count() - 1);
  Changing();
  FItems[static_cast<size_t>(Index)].Object = AObject;
  Changed();
}

int TStringList::AddObject(const std::string& S, TObject* AObject) {
  int index = Count();
  if (FSorted && Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EStringListError("String list does not allow duplicates");
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::InsertObject(int Index, const std::string& S, TObject* AObject) {
  if (FSorted) throw EStringListError("Operation not allowed on sorted list");
  CheckIndex(Index, Count());
  InsertItem(Index, S, AObject);
}

void TStringList::Delete(int Index) {
  CheckIndex(Index, Count() - 1);
  Changing();
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  FItems.clear();
  Changed();
}

int TStringList::IndexOf(std::string_view S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int index = 0;
  return Find(S, index) ? index : -1;
}

bool TStringList::Find(std::string_view S, int& Index) const {
  // The first line not ordered before S.
  auto it = std::lower_bound(FItems.begin(), FItems.end(), S,
                             [this](const TItem& item, std::string_view s) { return CompareStrings(item.Text, s) < 0; });
  Index = static_cast<int>(it - FItems.begin());
  return it != FItems.end() && CompareStrings(it->Text, S) == 0;
}

void TStringList::Sort() {
  Changing();
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const TItem& a, const TItem& b) { return CompareStrings(a.Text, b.Text) < 0; });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (Value == FSorted) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (Value == FCaseSensitive) return;
  FCaseSensitive = Value;
  if (FSorted) Sort();
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && FOnChanging) FOnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && FOnChange) FOnChange(this);
}

void TStringList::SetUpdateState(bool Updating) {
  // Called while the count is still 0 (starting) or already back at 0 (ending).
  if (Updating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(std::string_view A, std::string_view B) const {
  if (!FCaseSensitive) return TStrings::CompareStrings(A, B);
  return A.compare(B) < 0 ? -1 : (A == B ? 0 : 1);
}

void TStringList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index > Limit) IndexError(Index);
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject) {
  Changing();
  FItems.insert(FItems.begin() + Index, TItem{S, AObject});
  Changed();
}
