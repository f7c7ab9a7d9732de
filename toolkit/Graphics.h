#pragma once
// The toolkit's graphics layer in one include.
#include "TBitmap.h"
#include "TBrush.h"
#include "TCanvas.h"
#include "TColor.h"
#include "TFont.h"
#include "TIcon.h"
#include "TImageList.h"
#include "TPen.h"
#include "TRect.h"
#include "TWindowCanvas.h"
#include "TextEncoding.h"
