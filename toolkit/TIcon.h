#pragma once
#include <windows.h>

#include "NotifyEvent.h"
#include "Persistent.h"

class TCanvas;

// Sole owner of one icon handle (DestroyIcon in the destructor).
//
// OnChange runs once after every call that gave the icon another handle or emptied it (loading,
// AssignHandle, TakeHandle, Assign, ReleaseHandle, Clear); calls that leave it as it was (a
// missing resource, clearing an empty icon) stay quiet. The destructor does not call it.
class TIcon : public TPersistent {
  VEXA_CLASS(TIcon, TPersistent)

public:
  TIcon() = default;
  ~TIcon() override;

  // Loads an icon resource of the module at the given size (0 = the resource's own size).
  // Returns false and stays as it was when the resource is missing.
  bool LoadFromResourceName(HINSTANCE module, const wchar_t* name, int width = 0, int height = 0);
  bool LoadFromResourceId(HINSTANCE module, int id, int width = 0, int height = 0);
  // Keeps a copy of an icon the caller goes on owning (shared system icons included).
  bool AssignHandle(HICON icon);
  // Becomes the owner of icon.
  void TakeHandle(HICON icon);
  // Gives the handle up to the caller.
  HICON ReleaseHandle();
  void Clear();
  // A copy of another icon's picture (empty when it is empty); others raise EConvertError.
  void Assign(const TPersistent* Source) override;

  HICON Handle() const { return FHandle; }
  bool Empty() const { return FHandle == nullptr; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Draws the icon scaled to width by height with its mask.
  void Draw(TCanvas& canvas, int x, int y, int width, int height) const;

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }

private:
  // Destroys the present handle without telling anyone.
  void Release();
  void Set(HICON icon);
  void Changed();

  HICON FHandle = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  TNotifyEvent FOnChange;
};
