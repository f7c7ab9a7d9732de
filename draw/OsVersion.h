#pragma once

// Operating-system family and version tests, read once when the program starts.
bool IsWinNT();
// The 9x family, version 4.0.
bool IsWin95();
// The NT family, major version above 4 and minor version not 0 (XP, 7 and later minor releases).
bool IsWinXP();
// The NT family, version 6.0.
bool IsWinVista();
