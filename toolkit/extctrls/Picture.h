#pragma once
#include <functional>
#include <memory>
#include <string>

#include "Persistent.h"

class TBitmap;

// The picture of a TImage: one bitmap, stored in form resources as a BMP file ("Data"). Changes
// made through this class tell the owner (OnChange); after drawing on Bitmap() directly, call
// Changed.
class TPicture : public TPersistent {
  VEXA_CLASS(TPicture, TPersistent)

public:
  TPicture();
  ~TPicture() override;

  // Never null.
  TBitmap* Bitmap() const { return FBitmap.get(); }
  // Copies Value's size and pixels (null or empty clears).
  void SetBitmap(const TBitmap* Value);
  int Width() const;
  int Height() const;
  bool Empty() const;
  // A BMP file (UTF-8 name); EInvalidGraphic when it cannot be read as one.
  void LoadFromFile(const std::string& FileName);
  void Clear();
  void Assign(const TPersistent* Source) override;

  void Changed();
  void SetOnChange(std::function<void()> Value) { FOnChange = std::move(Value); }

protected:
  void DefineProperties(TFiler& Filer) override;

private:
  std::unique_ptr<TBitmap> FBitmap;
  std::function<void()> FOnChange;
};
