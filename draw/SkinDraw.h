#pragma once
// The skin bitmap drawing routines in one include.
#include "AccelChar.h"
#include "ArrowGlyphs.h"
#include "BitmapColors.h"
#include "BitmapFrames.h"
#include "BitmapQuarters.h"
#include "BitmapRotation.h"
#include "CaptionText.h"
#include "StretchedDraw.h"
#include "SystemFonts.h"
#include "ThreePartDraw.h"
#include "WindowFrame.h"
