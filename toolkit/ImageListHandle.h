#pragma once
#include <windows.h>
#include <commctrl.h>

class TImageList;

// The platform's copy of a toolkit image list, for the common controls that draw images themselves
// (tab captions, list view items). It owns the HIMAGELIST and destroys it; controls must be told
// not to (LVS_SHAREIMAGELISTS) or never take ownership (tab controls don't). The copy is taken when
// Assign runs: after changing the toolkit list, assign it again.
class TImageListHandle {
public:
  TImageListHandle() = default;
  ~TImageListHandle() { Reset(); }
  TImageListHandle(const TImageListHandle&) = delete;
  TImageListHandle& operator=(const TImageListHandle&) = delete;

  // Builds the list from Source's images, keeping their masks; null leaves no list.
  void Assign(const TImageList* Source);
  void Reset();
  HIMAGELIST Handle() const { return FHandle; }

private:
  HIMAGELIST FHandle = nullptr;
};
