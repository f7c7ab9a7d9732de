#include "ImageListHandle.h"

#include "DcSelection.h"
#include "GdiObject.h"
#include "MemoryDC.h"
#include "TBitmap.h"
#include "TImageList.h"
#include "WindowDC.h"

void TImageListHandle::Reset() {
  if (FHandle) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TImageListHandle::Assign(const TImageList* Source) {
  Reset();
  if (!Source || Source->Width() <= 0 || Source->Height() <= 0) return;
  const int width = Source->Width();
  const int height = Source->Height();
  FHandle = ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, Source->Count(), 4);
  if (!FHandle) return;
  WindowDC screen(nullptr, TWindowArea::waClient);
  MemoryDC dc;
  for (int i = 0; i < Source->Count(); ++i) {
    TBitmap image;
    if (!Source->GetBitmap(i, image)) continue;
    // The toolkit bitmap stays selected in its canvas; the platform list gets a copy it can select.
    GdiObject<HBITMAP> copy(CreateCompatibleBitmap(screen.Get(), width, height));
    {
      DcSelection selection(dc.Get(), copy.Get());
      BitBlt(dc.Get(), 0, 0, width, height, image.SourceDC(), 0, 0, SRCCOPY);
    }
    if (image.Transparent()) ImageList_AddMasked(FHandle, copy.Get(), ToColorRef(image.TransparentColor()));
    else ImageList_Add(FHandle, copy.Get(), nullptr);
  }
}
