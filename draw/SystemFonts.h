#pragma once
#include "TFont.h"

// Font becomes the system's caption font (respectively menu font, in the menu-text colour) from
// the non-client metrics. When the metrics cannot be read, Font stays as it was.
void AssignCaptionFont(TFont& Font);
void AssignMenuFont(TFont& Font);
