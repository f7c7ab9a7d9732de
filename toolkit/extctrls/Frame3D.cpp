#include "Frame3D.h"

void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width, TBevelEdges Edges) {
  TBrush& brush = Canvas.Brush();
  const TBrushStyle oldStyle = brush.Style();
  const TColor oldColor = brush.Color();
  brush.SetStyle(bsSolid);
  for (int ring = 0; ring < Width && !Rect.IsEmpty(); ++ring) {
    // The top and left lines run to the corner they share with the bottom and right lines; the
    // lower-left and upper-right corner pixels go to the dark side, as the platform's frames have it.
    if (Edges.Contains(beTop)) {
      brush.SetColor(TopColor);
      Canvas.FillRect(TRect{Rect.Left, Rect.Top, Rect.Right - 1, Rect.Top + 1});
    }
    if (Edges.Contains(beLeft)) {
      brush.SetColor(TopColor);
      Canvas.FillRect(TRect{Rect.Left, Rect.Top, Rect.Left + 1, Rect.Bottom - 1});
    }
    if (Edges.Contains(beBottom)) {
      brush.SetColor(BottomColor);
      Canvas.FillRect(TRect{Rect.Left, Rect.Bottom - 1, Rect.Right, Rect.Bottom});
    }
    if (Edges.Contains(beRight)) {
      brush.SetColor(BottomColor);
      Canvas.FillRect(TRect{Rect.Right - 1, Rect.Top, Rect.Right, Rect.Bottom});
    }
    if (Edges.Contains(beLeft)) ++Rect.Left;
    if (Edges.Contains(beTop)) ++Rect.Top;
    if (Edges.Contains(beRight)) --Rect.Right;
    if (Edges.Contains(beBottom)) --Rect.Bottom;
  }
  brush.SetColor(oldColor);
  brush.SetStyle(oldStyle);
}

void BevelColors(TBevelCut Cut, TColor Face, TColor& TopColor, TColor& BottomColor) {
  switch (Cut) {
    case bvRaised:
      TopColor = clBtnHighlight;
      BottomColor = clBtnShadow;
      break;
    case bvLowered:
      TopColor = clBtnShadow;
      BottomColor = clBtnHighlight;
      break;
    default:
      TopColor = Face;
      BottomColor = Face;
  }
}
