#include "TIcon.h"

#include <utility>

#include "GdiObject.h"
#include "Publisher.h"
#include "TCanvas.h"

VEXA_DEFINE_CLASS(TIcon) {}

TIcon::~TIcon() { Release(); }

void TIcon::Release() {
  if (FHandle) DestroyIcon(FHandle);
  FHandle = nullptr;
  FWidth = FHeight = 0;
}

void TIcon::Clear() {
  if (!FHandle) return;
  Release();
  Changed();
}

void TIcon::Set(HICON icon) {
  if (icon == FHandle) return;  // already ours (or still empty): destroying it would leave it dangling
  Release();
  FHandle = icon;
  if (icon) {
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
  Changed();
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
  if (!FHandle) return nullptr;
  FWidth = FHeight = 0;
  HICON released = std::exchange(FHandle, nullptr);
  Changed();
  return released;
}

void TIcon::Assign(const TPersistent* Source) {
  const auto* icon = dynamic_cast<const TIcon*>(Source);
  if (!icon) return TPersistent::Assign(Source);
  if (icon == this) return;
  if (icon->Empty()) Clear();
  else AssignHandle(icon->Handle());
}

void TIcon::Draw(TCanvas& canvas, int x, int y, int width, int height) const {
  if (!FHandle || !canvas.Handle()) return;
  DrawIconEx(canvas.Handle(), x, y, FHandle, width, height, 0, nullptr, DI_NORMAL);
}

void TIcon::Changed() {
  if (FOnChange) FOnChange(this);
}
