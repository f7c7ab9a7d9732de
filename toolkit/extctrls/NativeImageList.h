#pragma once
#include <windows.h>
#include <commctrl.h>

class TImageList;

// A platform image list (HIMAGELIST) copied from a toolkit TImageList, for native controls that
// draw images themselves. Owns the handle: ImageList_Destroy in the destructor and on every rebuild.
// Masked images keep their mask.
class TNativeImageList {
public:
  TNativeImageList() = default;
  ~TNativeImageList();
  TNativeImageList(const TNativeImageList&) = delete;
  TNativeImageList& operator=(const TNativeImageList&) = delete;

  // Replaces the list with a copy of Source's images (null: no list).
  void Assign(const TImageList* Source);
  HIMAGELIST Handle() const { return FHandle; }

private:
  void Reset();
  HIMAGELIST FHandle = nullptr;
};
