#pragma once
#include <memory>

#include "GraphicControl.h"
#include "Picture.h"

// A picture on a form, painted by its parent. The picture is drawn at the top-left corner, or
// centred (Center), or scaled to the control (Stretch, keeping its aspect ratio when Proportional).
// Transparent leaves out the pixels of the bitmap's transparent colour (by default its bottom-left
// pixel), so the parent shows through them. AutoSize fits the control to the picture whenever the
// picture changes.
class TImage : public TGraphicControl {
  VEXA_CLASS(TImage, TGraphicControl)

public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  // Never null; the image owns it. SetPicture copies.
  TPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  // Where the picture lands in the control's coordinates.
  TRect DestRect() const;

protected:
  void Paint() override;

private:
  void PictureChanged();

  std::unique_ptr<TPicture> FPicture;
  bool FAutoSize = false;
  bool FStretch = false;
  bool FProportional = false;
  bool FCenter = false;
  bool FTransparent = false;
};
