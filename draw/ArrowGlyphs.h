#pragma once
#include "TCanvas.h"

// Small filled triangles with their tip or base corner at (X, Y). Enabled: black. Disabled: a white
// copy one pixel right and down, then the triangle in grey. They leave the canvas's pen and brush
// colour set to the last colour drawn and its brush solid.
void DrawArrowDown(TCanvas& Canvas, int X, int Y, bool Enabled);
void DrawArrowUp(TCanvas& Canvas, int X, int Y, bool Enabled);
void DrawArrowLeft(TCanvas& Canvas, int X, int Y, bool Enabled);
void DrawArrowRight(TCanvas& Canvas, int X, int Y, bool Enabled);
