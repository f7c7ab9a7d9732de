#pragma once
#include <string>

// The keyboard accelerator of a caption: the character after the first single "&" ("&&" is an
// escaped ampersand), in upper case (ASCII). 0 when there is none or the "&" ends the caption.
char GetAccelChar(const std::string& Caption);
