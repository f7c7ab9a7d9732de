#pragma once
#include <string>

// A filter as the toolkit writes it, "Text files (*.txt)|*.txt|All files|*.*", in the form the
// file dialogs take: description and pattern pairs, each ended by a NUL, the list by another.
// A description left without a pattern at the end is dropped; an empty filter gives an empty
// string (no filter at all).
std::wstring FileFilterToNative(const std::string& Filter);
