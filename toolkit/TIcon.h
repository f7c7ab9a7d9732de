#pragma once
#include <windows.h>

class TCanvas;

// Sole owner of one icon handle (DestroyIcon in the destructor).
class TIcon {
public:
  TIcon() = default;
  ~TIcon();
  TIcon(const TIcon&) = delete;
  TIcon& operator=(const TIcon&) = delete;

  // Loads an icon resource of the module at the given size (0 = the resource's own size).
  // Returns false and stays empty when the resource is missing.
  bool LoadFromResourceName(HINSTANCE module, const wchar_t* name, int width = 0, int height = 0);
  bool LoadFromResourceId(HINSTANCE module, int id, int width = 0, int height = 0);
  // Keeps a copy of an icon the caller goes on owning (shared system icons included).
  bool AssignHandle(HICON icon);
  // Becomes the owner of icon.
  void TakeHandle(HICON icon);
  // Gives the handle up to the caller.
  HICON ReleaseHandle();
  void Clear();

  HICON Handle() const { return FHandle; }
  bool Empty() const { return FHandle == nullptr; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Draws the icon scaled to width by height with its mask.
  void Draw(TCanvas& canvas, int x, int y, int width, int height) const;

private:
  void Set(HICON icon);

  HICON FHandle = nullptr;
  int FWidth = 0;
  int FHeight = 0;
};
