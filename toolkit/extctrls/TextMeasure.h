#pragma once
#include <windows.h>

#include <string>

#include "TFont.h"
#include "TRect.h"

// The size text takes in Font when drawn with the DT_ flags given (DT_CALCRECT is added), measured
// on a memory DC so a control can size itself before it has a window. With DT_WORDBREAK the text
// is wrapped at WrapWidth. Empty text measures as one line of the font's height and no width.
TSize MeasureText(const TFont& Font, const std::string& Text, UINT Flags, int WrapWidth = 0);
