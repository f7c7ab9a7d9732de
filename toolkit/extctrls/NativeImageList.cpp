#include "NativeImageList.h"

#include "DcSelection.h"
#include "GdiObject.h"
#include "MemoryDC.h"
#include "TBitmap.h"
#include "TImageList.h"
#include "WindowDC.h"

TNativeImageList::~TNativeImageList() { Reset(); }

void TNativeImageList::Reset() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TNativeImageList::Assign(const TImageList* Source) {
  Reset();
  if (!Source || Source->Width() <= 0 || Source->Height() <= 0) return;
  const int width = Source->Width();
  const int height = Source->Height();
  FHandle = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, Source->Count(), 1);
  if (!FHandle) return;
  const WindowDC screen(nullptr, TWindowArea::waClient);
  for (int i = 0; i < Source->Count(); ++i) {
    TBitmap image;
    if (!Source->GetBitmap(i, image)) continue;
    // The toolkit bitmap stays selected into its own canvas; the list gets a copy it can select.
    GdiObject<HBITMAP> copy(CreateCompatibleBitmap(screen.Get(), width, height));
    {
      MemoryDC dc;
      DcSelection select(dc.Get(), copy.Get());
      BitBlt(dc.Get(), 0, 0, width, height, image.SourceDC(), 0, 0, SRCCOPY);
    }
    if (image.Transparent()) ImageList_AddMasked(FHandle, copy.Get(), ToColorRef(image.TransparentColor()));
    else ImageList_Add(FHandle, copy.Get(), nullptr);
  }
}
