#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Sk2SkinFileReader.h"
#include "SkinKeys.h"
#include "TBitmap.h"
#include "TColor.h"

// One loaded skin, answering resource queries by id. Missing resources, and every query while no
// skin is loaded, give the defaults: no bitmap, colour -1, integer -1, false.
//
// Bitmaps handed out belong to the reader and are valid until its next LoadFromFile.
class TvexaReader {
public:
  using TNotifyEvent = std::function<void(TvexaReader* Sender)>;

  TvexaReader() = default;
  // Loads FileName at once; OnLoaded (if given) is set first, so it sees that load.
  TvexaReader(const std::string& FileName, const std::string& Password, TNotifyEvent OnLoaded = {});
  TvexaReader(const TvexaReader&) = delete;
  TvexaReader& operator=(const TvexaReader&) = delete;

  // Drops the current skin, then loads FileName. A missing file is no error: no skin is loaded
  // and OnLoaded still runs. Errors ("Wrong password!", "Failed to read skin file!", "ERROR",
  // bitmap errors) leave no skin loaded and skip OnLoaded.
  void LoadFromFile(const std::string& FileName, const std::string& Password);

  TBitmap* GetSkinBitmap(int Id) const;
  TColor GetSkinColor(int Id) const;
  int GetSkinInt(int Id) const;
  bool GetSkinBool(int Id) const;

  bool SkinLoaded() const { return FSkinLoaded; }
  const TNotifyEvent& OnLoaded() const { return FOnLoaded; }
  void SetOnLoaded(TNotifyEvent handler) { FOnLoaded = std::move(handler); }

private:
  void Reset();

  std::unique_ptr<Tsk2SkinFileReader> FSkinFileReader;
  // The skin's bitmaps in the file reader's order, as toolkit bitmaps over the decoded pixels.
  std::vector<std::unique_ptr<TBitmap>> FBitmaps;
  bool FSkinLoaded = false;
  TNotifyEvent FOnLoaded;
};
