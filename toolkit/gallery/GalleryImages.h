#pragma once
#include <memory>

class TBitmap;
class TImageList;

// The gallery's pictures, drawn at run time so the program needs no resource files.
enum TGalleryGlyph { ggNew, ggOpen, ggSave, ggColour, ggInfo, ggExit, ggFolder, ggGlyphCount };

// The glyphs are square. Around each picture is a mask colour, the bottom-left pixel included,
// so controls that take the transparent colour from that pixel agree with the image list's mask.
inline constexpr int kGalleryGlyphSize = 16;

// One 16 x 16 masked image per TGalleryGlyph, in that order.
std::unique_ptr<TImageList> CreateGalleryGlyphs();

// One glyph as a bitmap whose transparent colour is the mask colour (for speed and bit buttons).
std::unique_ptr<TBitmap> CreateGalleryGlyph(TGalleryGlyph Glyph);

// A small landscape over the whole bitmap (sky, sun, hills), for the image control.
void DrawLandscape(TBitmap& Bitmap);
