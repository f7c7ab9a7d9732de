#include "ButtonLayout.h"

TButtonContentPlace PlaceButtonContent(const TRect& Client, TSize Glyph, TSize Text, TButtonLayout Layout, int Margin,
                                       int Spacing, bool RightToLeft) {
  if (RightToLeft) {
    if (Layout == blGlyphLeft) Layout = blGlyphRight;
    else if (Layout == blGlyphRight) Layout = blGlyphLeft;
  }
  const TSize client{Client.Width(), Client.Height()};
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  if (Glyph.cx == 0 || Glyph.cy == 0 || Text.cx == 0 || Text.cy == 0) Spacing = 0;

  TPoint glyph, text;
  // Across the axis: centred.
  if (horizontal) {
    glyph.Y = (client.cy - Glyph.cy + 1) / 2;
    text.Y = (client.cy - Text.cy + 1) / 2;
  } else {
    glyph.X = (client.cx - Glyph.cx + 1) / 2;
    text.X = (client.cx - Text.cx + 1) / 2;
  }
  // Along the axis: margin and spacing.
  const int room = horizontal ? client.cx : client.cy;
  const int glyphLength = horizontal ? Glyph.cx : Glyph.cy;
  const int textLength = horizontal ? Text.cx : Text.cy;
  // (Spacing is 0 already when one of the two is missing, which centres the other.)
  if (Margin == -1 && Spacing == -1) {
    Margin = (room - glyphLength - textLength) / 3;
    Spacing = Margin;
  } else if (Margin == -1) {
    Margin = (room - glyphLength - Spacing - textLength + 1) / 2;
  } else if (Spacing == -1) {
    Spacing = (glyphLength && textLength) ? (room - Margin - glyphLength - textLength) / 2 : 0;
  }
  switch (Layout) {
    case blGlyphLeft:
      glyph.X = Margin;
      text.X = glyph.X + Glyph.cx + Spacing;
      break;
    case blGlyphRight:
      glyph.X = client.cx - Margin - Glyph.cx;
      text.X = glyph.X - Spacing - Text.cx;
      break;
    case blGlyphTop:
      glyph.Y = Margin;
      text.Y = glyph.Y + Glyph.cy + Spacing;
      break;
    case blGlyphBottom:
      glyph.Y = client.cy - Margin - Glyph.cy;
      text.Y = glyph.Y - Spacing - Text.cy;
      break;
  }
  TButtonContentPlace place;
  place.GlyphPos = TPoint{Client.Left + glyph.X, Client.Top + glyph.Y};
  place.TextRect = TRect{Client.Left + text.X, Client.Top + text.Y, Client.Left + text.X + Text.cx,
                         Client.Top + text.Y + Text.cy};
  return place;
}
