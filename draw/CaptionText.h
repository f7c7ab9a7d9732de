#pragma once
#include <string>

#include "TCanvas.h"

// Caption shortening for title bars and tabs. A text no wider than MaxWidth comes back unchanged;
// otherwise the result is the first candidate "first i characters" + "..." (i = 1, 2, ...) whose
// width reaches MaxWidth - it may overshoot by part of a character, the caller clips. When no
// candidate reaches MaxWidth the full text comes back.
// Byte strings are UTF-8: candidates never end inside a multi-byte character.
std::string FitCaption(const TCanvas& Canvas, const std::string& Text, int MaxWidth);
// The same with wide text; candidates never end between the halves of a surrogate pair.
std::wstring FitCaptionW(const TCanvas& Canvas, const std::wstring& Text, int MaxWidth);
// Pixel width of wide text in the canvas's font.
int WideTextWidth(const TCanvas& Canvas, const std::wstring& Text);
