#include "Picture.h"

#include "BitmapFile.h"
#include "Filer.h"
#include "Publisher.h"
#include "TBitmap.h"

VEXA_DEFINE_CLASS(TPicture) {}

TPicture::TPicture() : FBitmap(std::make_unique<TBitmap>()) {}

TPicture::~TPicture() = default;

void TPicture::SetBitmap(const TBitmap* Value) {
  if (Value && !Value->Empty()) FBitmap->Assign(*Value);
  else FBitmap->Clear();
  Changed();
}

int TPicture::Width() const { return FBitmap->Width(); }
int TPicture::Height() const { return FBitmap->Height(); }
bool TPicture::Empty() const { return FBitmap->Empty(); }

void TPicture::LoadFromFile(const std::string& FileName) {
  LoadBitmapFromFile(*FBitmap, FileName);
  Changed();
}

void TPicture::Clear() {
  FBitmap->Clear();
  Changed();
}

void TPicture::Assign(const TPersistent* Source) {
  if (const auto* picture = dynamic_cast<const TPicture*>(Source)) return SetBitmap(picture->Bitmap());
  if (!Source) return Clear();
  inherited::Assign(Source);
}

void TPicture::Changed() {
  if (FOnChange) FOnChange();
}

void TPicture::DefineProperties(TFiler& Filer) {
  inherited::DefineProperties(Filer);
  Filer.DefineBinaryProperty(
      "Data",
      [this](std::span<const uint8_t> Data) {
        LoadBitmapFromBytes(*FBitmap, Data);
        Changed();
      },
      [this] { return SaveBitmapToBytes(*FBitmap); }, !FBitmap->Empty());
}
