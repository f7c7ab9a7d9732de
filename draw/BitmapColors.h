#pragma once
#include "TBitmap.h"
#include "TColor.h"

// Every pixel exactly OldColor becomes NewColor (system colours resolved first). clNone on either
// side changes nothing.
void ReplaceBitmapColor(TBitmap& Bitmap, TColor OldColor, TColor NewColor);
