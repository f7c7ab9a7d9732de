#include "Image.h"

#include "Publisher.h"
#include "TBitmap.h"

VEXA_DEFINE_CLASS(TImage) {
  PUBLISHED(Align).Default(alNone);
  PUBLISHED(Anchors).Default(TAnchors{akLeft, akTop});
  PUBLISHED(AutoSize).Default(false);
  PUBLISHED(Center).Default(false);
  PUBLISHED(Constraints);
  PUBLISHED(Enabled).Default(true);
  PUBLISHED(Picture);
  PUBLISHED(Proportional).Default(false);
  PUBLISHED(ShowHint).Default(false);
  PUBLISHED(Stretch).Default(false);
  PUBLISHED(Transparent).Default(false);
  PUBLISHED(Visible).Default(true);
}

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
  FPicture->SetOnChange([this] { PictureChanged(); });
  SetBounds(0, 0, 105, 105);
}

TImage::~TImage() { FPicture->SetOnChange(nullptr); }

void TImage::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  PictureChanged();
}

void TImage::SetStretch(bool Value) {
  if (Value == FStretch) return;
  FStretch = Value;
  Invalidate();
}

void TImage::SetProportional(bool Value) {
  if (Value == FProportional) return;
  FProportional = Value;
  Invalidate();
}

void TImage::SetCenter(bool Value) {
  if (Value == FCenter) return;
  FCenter = Value;
  Invalidate();
}

void TImage::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Invalidate();
}

void TImage::PictureChanged() {
  if (FAutoSize && !FPicture->Empty()) SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
  Invalidate();
}

TRect TImage::DestRect() const {
  const int pw = FPicture->Width(), ph = FPicture->Height();
  const int cw = Width(), ch = Height();
  int w = pw, h = ph;
  if (FStretch && pw > 0 && ph > 0) {
    w = cw;
    h = ch;
    if (FProportional) {
      // The largest size of the picture's shape that fits.
      if (static_cast<long long>(cw) * ph > static_cast<long long>(ch) * pw) w = ch * pw / ph;
      else h = cw * ph / pw;
    }
  }
  int x = 0, y = 0;
  if (FCenter) {
    x = (cw - w) / 2;
    y = (ch - h) / 2;
  }
  return TRect{x, y, x + w, y + h};
}

void TImage::Paint() {
  TBitmap& bitmap = *FPicture->Bitmap();
  if (bitmap.Empty()) return;
  bitmap.SetTransparent(FTransparent);
  const TRect dest = DestRect();
  if (dest.Width() == bitmap.Width() && dest.Height() == bitmap.Height()) Canvas().Draw(dest.Left, dest.Top, bitmap);
  else Canvas().StretchDraw(dest, bitmap);
}
