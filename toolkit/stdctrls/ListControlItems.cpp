#include "ListControlItems.h"

#include <algorithm>

#include "Publisher.h"
#include "TextEncoding.h"
#include "WinControl.h"

VEXA_DEFINE_CLASS(TListControlItems) {}

void TListControlItems::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit) IndexError(Index);
}

std::string TListControlItems::Strings(int Index) const {
  CheckIndex(Index, Count());
  return FItems[static_cast<size_t>(Index)].Text;
}

TObject* TListControlItems::Objects(int Index) const {
  CheckIndex(Index, Count());
  return FItems[static_cast<size_t>(Index)].Object;
}

void TListControlItems::SetObjects(int Index, TObject* AObject) {
  CheckIndex(Index, Count());
  FItems[static_cast<size_t>(Index)].Object = AObject;
}

void TListControlItems::SetStrings(int Index, const std::string& S) {
  CheckIndex(Index, Count());
  TObject* object = FItems[static_cast<size_t>(Index)].Object;
  Delete(Index);
  if (FSorted) AddObject(S, object);
  else InsertObject(Index, S, object);
}

int TListControlItems::SortedIndex(std::string_view S) const {
  // After the equal lines already there, so equal lines keep the order they came in.
  int low = 0, high = Count();
  while (low < high) {
    const int mid = (low + high) / 2;
    if (CompareStrings(FItems[static_cast<size_t>(mid)].Text, S) <= 0) low = mid + 1;
    else high = mid;
  }
  return low;
}

int TListControlItems::AddObject(const std::string& S, TObject* AObject) {
  const int index = FSorted ? SortedIndex(S) : Count();
  InsertObject(index, S, AObject);
  return index;
}

void TListControlItems::InsertObject(int Index, const std::string& S, TObject* AObject) {
  CheckIndex(Index, Count() + 1);
  FItems.insert(FItems.begin() + Index, TItem{S, AObject});
  WindowInsert(Index, S);
}

void TListControlItems::WindowInsert(int Index, const std::string& S) {
  if (!FControl.HandleAllocated()) return;
  const std::wstring text = Utf8ToWide(S);
  FControl.Perform(FMessages.Insert, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TListControlItems::Delete(int Index) {
  CheckIndex(Index, Count());
  FItems.erase(FItems.begin() + Index);
  if (FControl.HandleAllocated()) FControl.Perform(FMessages.Delete, static_cast<WPARAM>(Index));
}

void TListControlItems::Clear() {
  FItems.clear();
  if (FControl.HandleAllocated()) FControl.Perform(FMessages.Reset);
}

void TListControlItems::SetSorted(bool Value) {
  if (Value == FSorted) return;
  FSorted = Value;
  if (!Value) return;
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const TItem& A, const TItem& B) { return CompareStrings(A.Text, B.Text) < 0; });
  Reload();
}

void TListControlItems::Reload() {
  if (!FControl.HandleAllocated()) return;
  FControl.Perform(FMessages.Reset);
  for (size_t i = 0; i < FItems.size(); ++i) WindowInsert(static_cast<int>(i), FItems[i].Text);
}
