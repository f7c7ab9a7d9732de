#include "WindowRegion.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {
// Appends the runs of pixels of row y that are not trans as one-row rectangles at y + offset.
// Without a transparent colour (clNone) every pixel is opaque.
void ScanRow(const TBitmap& bitmap, int row, int offset, TColor transColor, std::vector<RECT>& out) {
  const uint32_t trans = uint32_t(transColor);
  const bool hasTrans = transColor != clNone;
  const uint8_t* p = bitmap.ScanLine(row);
  const int w = bitmap.Width();
  const int y = row + offset;
  const uint8_t tb = uint8_t(trans >> 16), tg = uint8_t(trans >> 8), tr = uint8_t(trans);
  int start = -1;
  for (int x = 0; x < w; ++x, p += 3) {
    const bool opaque = !hasTrans || p[0] != tb || p[1] != tg || p[2] != tr;
    if (opaque && start < 0) start = x;
    if (!opaque && start >= 0) {
      out.push_back(RECT{start, y, x, y + 1});
      start = -1;
    }
  }
  if (start >= 0) out.push_back(RECT{start, y, w, y + 1});
}

// One picture's part of the region: full-width bands outside the scanned rows, runs inside them.
void AddPicture(const TBitmap& bitmap, int minY, int maxY, int offset, int width, TColor trans,
                std::vector<RECT>& out) {
  const int h = bitmap.Height();
  const int first = minY == -1 ? 0 : minY;
  const int last = maxY > minY ? maxY + 1 : h;
  if (minY > 0) out.push_back(RECT{0, offset, width, offset + minY});
  for (int row = std::max(first, 0); row < std::min(last, h); ++row) ScanRow(bitmap, row, offset, trans, out);
  if (last < h) out.push_back(RECT{0, offset + last, width, offset + h});
}

struct RegionDeleter {
  void operator()(HRGN r) const { DeleteObject(r); }
};
}  // namespace

std::vector<RECT> SkinWindowRegionRects(const TBitmap* TitleBitmap, const TBitmap* BottomBitmap, bool UseTitle,
                                        bool UseBottom, int TitleMinY, int TitleMaxY, int BottomMinY,
                                        int BottomMaxY, TColor TransColor, int Height, int Width) {
  UseTitle = UseTitle && TitleBitmap && !TitleBitmap->Empty();
  UseBottom = UseBottom && BottomBitmap && !BottomBitmap->Empty();
  const TColor trans = TransColor == clNone ? clNone : ColorToRGB(TransColor);
  const int th = UseTitle ? TitleBitmap->Height() : 0;
  const int bh = UseBottom ? BottomBitmap->Height() : 0;
  std::vector<RECT> rects;
  if (UseTitle) AddPicture(*TitleBitmap, TitleMinY, TitleMaxY, 0, Width, trans, rects);
  rects.push_back(RECT{0, th, Width, Height - bh});
  if (UseBottom) AddPicture(*BottomBitmap, BottomMinY, BottomMaxY, Height - bh, Width, trans, rects);
  // Empty rectangles add nothing to a region; drop them so the region data stay well-formed.
  std::erase_if(rects, [](const RECT& r) { return r.right <= r.left || r.bottom <= r.top; });
  return rects;
}

HRGN CreateRegionFromRects(const std::vector<RECT>& Rects) {
  const size_t bytes = sizeof(RGNDATAHEADER) + Rects.size() * sizeof(RECT);
  auto data = std::make_unique<char[]>(bytes);
  auto* region = reinterpret_cast<RGNDATA*>(data.get());
  region->rdh.dwSize = sizeof(RGNDATAHEADER);
  region->rdh.iType = RDH_RECTANGLES;
  region->rdh.nCount = DWORD(Rects.size());
  region->rdh.nRgnSize = DWORD(Rects.size() * sizeof(RECT));
  RECT bounds{0, 0, 0, 0};
  for (const RECT& r : Rects) {
    bounds.left = std::min(bounds.left, r.left);
    bounds.top = std::min(bounds.top, r.top);
    bounds.right = std::max(bounds.right, r.right);
    bounds.bottom = std::max(bounds.bottom, r.bottom);
  }
  region->rdh.rcBound = bounds;
  if (!Rects.empty()) std::memcpy(region->Buffer, Rects.data(), Rects.size() * sizeof(RECT));
  return ExtCreateRegion(nullptr, DWORD(bytes), region);
}

void SetSkinWindowRegion(HWND Wnd, const TBitmap* TitleBitmap, const TBitmap* BottomBitmap, bool UseTitle,
                         bool UseBottom, int TitleMinY, int TitleMaxY, int BottomMinY, int BottomMaxY,
                         TColor TransColor, int Height, int Width) {
  std::unique_ptr<std::remove_pointer_t<HRGN>, RegionDeleter> region(
      CreateRegionFromRects(SkinWindowRegionRects(TitleBitmap, BottomBitmap, UseTitle, UseBottom, TitleMinY, TitleMaxY,
                                                  BottomMinY, BottomMaxY, TransColor, Height, Width)));
  if (!region) return;
  // On success the system owns the region.
  if (SetWindowRgn(Wnd, region.get(), TRUE)) region.release();
}
