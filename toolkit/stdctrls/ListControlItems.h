#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "Strings.h"

class TWinControl;

// The window messages that keep a native list (a list box's or a combo box's) in step.
struct TListMessages {
  UINT Insert;  // insert a string at an index (-1: at the end)
  UINT Delete;  // delete the string at an index
  UINT Reset;   // delete every string
};

// The items of a list box or combo box. The lines (and their objects) are kept here, so they live
// on while the control has no window and survive the window being made again; every change is also
// made in the window when there is one. Sorted keeps the lines in CompareStrings order (ignoring
// case), here and in the window alike.
class TListControlItems : public TStrings {
  VEXA_CLASS(TListControlItems, TStrings)

public:
  TListControlItems(TWinControl& Control, TListMessages Messages) : FControl(Control), FMessages(Messages) {}

  int Count() const override { return static_cast<int>(FItems.size()); }
  std::string Strings(int Index) const override;
  void SetStrings(int Index, const std::string& S) override;
  TObject* Objects(int Index) const override;
  void SetObjects(int Index, TObject* AObject) override;
  int AddObject(const std::string& S, TObject* AObject) override;
  void InsertObject(int Index, const std::string& S, TObject* AObject) override;
  void Delete(int Index) override;
  void Clear() override;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  // Puts every line into the control's (new) window.
  void Reload();

private:
  struct TItem {
    std::string Text;
    TObject* Object = nullptr;
  };
  void CheckIndex(int Index, int Limit) const;
  int SortedIndex(std::string_view S) const;
  void WindowInsert(int Index, const std::string& S);

  TWinControl& FControl;
  TListMessages FMessages;
  std::vector<TItem> FItems;
  bool FSorted = false;
};
