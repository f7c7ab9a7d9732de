#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "NotifyEvent.h"
#include "Strings.h"

enum TDuplicates { dupIgnore, dupAccept, dupError };

// The string list that stores its lines. Unsorted by default: lines stay where they are added.
// Sorted keeps them in CompareStrings order (ignoring case unless CaseSensitive); Duplicates then
// decides what Add does with a line already present. OnChanging and OnChange fire around every
// change, or once around a BeginUpdate/EndUpdate bracket.
class TStringList : public TStrings {
  VEXA_CLASS(TStringList, TStrings)

public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(FItems.size()); }
  std::string Strings(int Index) const override;
  void SetStrings(int Index, const std::string& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  int AddObject(const std::string& S, TObject* AObject) override;
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;
  int IndexOf(std::string_view S) const override;

  // In a sorted list: true when S is present; Index is where it is or would go.
  bool Find(std::string_view S, int& Index) const;
  void Sort();

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  const TNotifyEvent& OnChanging() const { return FOnChanging; }
  void SetOnChanging(TNotifyEvent Value) { FOnChanging = std::move(Value); }

protected:
  virtual void Changing();
  virtual void Changed();
  void SetUpdateState(bool Updating) override;
  int CompareStrings(std::string_view A, std::string_view B) const override;

private:
  struct TItem {
    std::string Text;
    TObject* Object = nullptr;
  };
  void CheckIndex(int Index, int Limit) const;
  void InsertItem(int Index, const std::string& S, TObject* AObject);

  std::vector<TItem> FItems;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
  TNotifyEvent FOnChange;
  TNotifyEvent FOnChanging;
};
