#pragma once
#include "ExtCtrlsTypes.h"
#include "TCanvas.h"
#include "TColor.h"
#include "TRect.h"

// Draws Width rings inside Rect: the left and top edges in TopColor, the right and bottom edges in
// BottomColor, each ring one pixel further in. Only the edges in Edges are drawn, and Rect shrinks
// only on those sides, so what is left is the area inside the frame.
void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width,
             TBevelEdges Edges = TBevelEdges{beLeft, beTop, beRight, beBottom});

// The colours of a bevel ring: light over dark for raised, dark over light for lowered, Face on
// both sides for a flat ring.
void BevelColors(TBevelCut Cut, TColor Face, TColor& TopColor, TColor& BottomColor);
