#pragma once
#include <windows.h>

// The one window class of the toolkit's own windows (forms and custom-drawn controls). It is
// deliberately not named after a form class, so a skinner that looks for forms by class name does
// not take every toolkit window for one.
inline constexpr const wchar_t* kToolkitWindowClass = L"VexaWindow";

// Registers the class once per process (the window procedure is ToolkitWindowProc).
void RegisterToolkitWindowClass();
