#pragma once
#include <windows.h>

#include <string>

// What a control's window is made of; TWinControl::CreateParams fills it, CreateWnd uses it.
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;   // the parent window of a child, the owner of a top-level window
  std::wstring WinClassName;  // the toolkit's common class, or a native class
  DWORD CommonControls = 0;   // ICC_ classes to register before making a native control
};
