#pragma once
#include <windows.h>

#include "GdiObject.h"

class TBitmap;

// A native bitmap for a menu item's image (MENUITEMINFO::hbmpItem): 32 bits per pixel with
// premultiplied alpha, the source's transparent pixels fully transparent, so the menu's own
// background shows through. Null for an empty source.
GdiObject<HBITMAP> CreateMenuItemBitmap(const TBitmap& Source);
