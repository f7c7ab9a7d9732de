#pragma once
#include "TFont.h"

// A control's font is a plain TFont: it is published and streamed as a sub-object, and the control
// hears of its changes through its OnChange (which the control owns).
using TControlFont = TFont;
