#include "TIcon.h"

#include <utility>

#include "GdiObject.h"
#include "TCanvas.h"

TIcon::~TIcon() { Clear(); }

void TIcon::Clear() {
  if (FHandle) DestroyIcon(FHandle);
  FHandle = nullptr;
  FWidth = FHeight = 0;
}

void TIcon::Set(HICON icon) {
  Clear();
  FHandle = icon;
  if (!icon) return;
  ICONINFO info{};
  if (GetIconInfo(icon, &info)) {
    // GetIconInfo hands out copies of the icon's bitmaps; they are ours to delete.
    GdiObject<HBITMAP> mask(info.hbmMask), color(info.hbmColor);
    BITMAP bm{};
    if (GetObjectW(info.hbmMask, sizeof(bm), &bm)) {
      FWidth = bm.bmWidth;
      FHeight = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;  // monochrome icons stack AND and XOR
    }
  }
}

bool TIcon::LoadFromResourceName(HINSTANCE module, const wchar_t* name, int width, int height) {
  HICON icon = static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, width, height, 0));
  if (!icon) return false;
  Set(icon);
  return true;
}

bool TIcon::LoadFromResourceId(HINSTANCE module, int id, int width, int height) {
  return LoadFromResourceName(module, MAKEINTRESOURCEW(id), width, height);
}

bool TIcon::AssignHandle(HICON icon) {
  if (!icon) {
    Clear();
    return false;
  }
  HICON copy = CopyIcon(icon);
  if (!copy) return false;
  Set(copy);
  return true;
}

void TIcon::TakeHandle(HICON icon) { Set(icon); }

HICON TIcon::ReleaseHandle() {
  FWidth = FHeight = 0;
  return std::exchange(FHandle, nullptr);
}

void TIcon::Draw(TCanvas& canvas, int x, int y, int width, int height) const {
  if (!FHandle || !canvas.Handle()) return;
  DrawIconEx(canvas.Handle(), x, y, FHandle, width, height, 0, nullptr, DI_NORMAL);
}
