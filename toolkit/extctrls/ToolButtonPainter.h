#pragma once
#include "TCanvas.h"
#include "ToolBarTypes.h"

class TToolBar;
class TToolButton;

// The tool bar's own picture of a button, in the button's coordinates: a 3D button face (on a
// Flat bar only when hot, pushed or down), the image of the bar's Images (DisabledImages, or
// greyed, when disabled) and the caption when the bar shows captions, beside the image on a List
// bar and under it otherwise; pushed or down content moves one pixel right and down. A separator
// is blank, a divider an etched vertical line, a drop-down button gets an arrow at its right.
void PaintToolButton(TCanvas& Canvas, const TToolBar& Bar, const TToolButton& Button, TToolButtonDrawState State);

// The gaps between the content of a button and its edges, shared by the layout (AutoSize) and the
// painting so the two agree.
inline constexpr int kToolButtonPadding = 4;     // left and right of the content on a List bar
inline constexpr int kToolButtonImageGap = 2;    // between image and caption on a List bar
inline constexpr int kToolButtonArrowWidth = 12; // the drop-down arrow's part of a tbsDropDown button
