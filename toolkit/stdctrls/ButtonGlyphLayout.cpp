#include "ButtonGlyphLayout.h"

TButtonGlyphLayout CalcButtonLayout(const TRect& Client, TSize GlyphSize, TSize TextSize, TButtonLayout Layout,
                                    int Margin, int Spacing, bool RightToLeft) {
  if (RightToLeft) {
    if (Layout == blGlyphLeft) Layout = blGlyphRight;
    else if (Layout == blGlyphRight) Layout = blGlyphLeft;
  }
  const TSize client{Client.Width(), Client.Height()};
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  TPoint glyph, text;
  // Across the layout's axis both are centred.
  if (horizontal) {
    glyph.Y = (client.cy - GlyphSize.cy + 1) / 2;
    text.Y = (client.cy - TextSize.cy + 1) / 2;
  } else {
    glyph.X = (client.cx - GlyphSize.cx + 1) / 2;
    text.X = (client.cx - TextSize.cx + 1) / 2;
  }
  if (TextSize.cx == 0 || GlyphSize.cx == 0) Spacing = 0;
  // Along the axis.
  const int room = horizontal ? client.cx : client.cy;
  const int glyphLength = horizontal ? GlyphSize.cx : GlyphSize.cy;
  const int textLength = horizontal ? TextSize.cx : TextSize.cy;
  if (Margin == -1 && Spacing == -1) {
    Margin = (room - glyphLength - textLength) / 3;
    Spacing = Margin;
  } else if (Margin == -1) {
    Margin = (room - glyphLength - Spacing - textLength + 1) / 2;
  } else if (Spacing == -1) {
    Spacing = (room - Margin - glyphLength - textLength) / 2;
  }
  switch (Layout) {
    case blGlyphLeft:
      glyph.X = Margin;
      text.X = glyph.X + GlyphSize.cx + Spacing;
      break;
    case blGlyphRight:
      glyph.X = client.cx - Margin - GlyphSize.cx;
      text.X = glyph.X - Spacing - TextSize.cx;
      break;
    case blGlyphTop:
      glyph.Y = Margin;
      text.Y = glyph.Y + GlyphSize.cy + Spacing;
      break;
    case blGlyphBottom:
      glyph.Y = client.cy - Margin - GlyphSize.cy;
      text.Y = glyph.Y - Spacing - TextSize.cy;
      break;
  }
  TButtonGlyphLayout result;
  result.GlyphPos = TPoint{glyph.X + Client.Left, glyph.Y + Client.Top};
  result.TextRect = TRect{text.X + Client.Left, text.Y + Client.Top, text.X + Client.Left + TextSize.cx,
                          text.Y + Client.Top + TextSize.cy};
  return result;
}
