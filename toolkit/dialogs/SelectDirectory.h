#pragma once
#include <windows.h>

#include <string>

// The shell's folder browser. Caption is the text above the tree; Root the folder the tree starts
// from (empty or not found: the desktop); Directory the folder selected when the browser opens
// and, when the user accepts a file-system folder, the chosen one. Owned by Owner, or by the
// active window when Owner is null. False (Directory unchanged) when cancelled or when the choice
// is no file-system folder.
bool SelectDirectory(const std::string& Caption, const std::string& Root, std::string& Directory, HWND Owner = nullptr);
