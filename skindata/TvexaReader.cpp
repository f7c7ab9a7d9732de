#include "TvexaReader.h"

#include "BitmapColors.h"
#include "FileStream.h"

TvexaReader::TvexaReader(const std::string& FileName, const std::string& Password, TNotifyEvent OnLoaded)
    : FOnLoaded(std::move(OnLoaded)) {
  LoadFromFile(FileName, Password);
}

void TvexaReader::Reset() {
  FBitmaps.clear();
  FSkinFileReader.reset();
  FSkinLoaded = false;
}

void TvexaReader::LoadFromFile(const std::string& FileName, const std::string& Password) {
  Reset();
  if (FileStream::Exists(FileName)) {
    try {
      FSkinFileReader = std::make_unique<Tsk2SkinFileReader>(FileName, Password);
      const TColor trans = GetSkinColor(SKIN2_TRANSCOLOR);
      FSkinFileReader->SetTransparentColor(trans);
      // The toolkit bitmaps take the decoded pixel memory over; the transparency goes with it.
      FBitmaps.reserve(FSkinFileReader->Bitmaps().size());
      for (const auto& entry : FSkinFileReader->Bitmaps())
        FBitmaps.push_back(std::make_unique<TBitmap>(std::move(*entry.Bitmap)));
      // The track bar channel shows the form colour where the skin marks it transparent.
      if (TBitmap* track = GetSkinBitmap(SKIN2_TRACKBAR))
        ReplaceBitmapColor(*track, trans, GetSkinColor(SKIN2_FORMCOLOR));
      FSkinLoaded = true;
    } catch (...) {
      Reset();
      throw;
    }
  }
  if (FOnLoaded) FOnLoaded(this);
}

TBitmap* TvexaReader::GetSkinBitmap(int Id) const {
  if (!FSkinFileReader || Id < 0 || Id >= kBitmapIdCount) return nullptr;
  int index = FSkinFileReader->IndexOfBitmap(SkinKeys[kBitmapKeyOffset + Id]);
  return index < 0 ? nullptr : FBitmaps[size_t(index)].get();
}

TColor TvexaReader::GetSkinColor(int Id) const {
  if (!FSkinFileReader || Id < 0 || Id >= kColorIdCount) return -1;
  return FSkinFileReader->GetInteger(SkinKeys[kColorKeyOffset + Id]);
}

int TvexaReader::GetSkinInt(int Id) const {
  if (!FSkinFileReader || Id < 0 || Id >= kIntIdCount) return -1;
  return FSkinFileReader->GetInteger(SkinKeys[kIntKeyOffset + Id]);
}

bool TvexaReader::GetSkinBool(int Id) const {
  if (!FSkinFileReader || Id < 0 || Id >= kBoolIdCount) return false;
  return FSkinFileReader->GetBool(SkinKeys[kBoolKeyOffset + Id]);
}
