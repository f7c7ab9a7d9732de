#include "AlignLayout.h"

#include <algorithm>
#include <vector>

#include "WinControl.h"

namespace {

// How near a control is to the edge of its alignment: smaller is nearer.
int EdgeDistance(const TControl& Control, TAlign Align) {
  switch (Align) {
    case alTop: return Control.Top();
    case alBottom: return -(Control.Top() + Control.Height());
    case alLeft: return Control.Left();
    case alRight: return -(Control.Left() + Control.Width());
    default: return 0;
  }
}

std::vector<TControl*> AlignedWith(const TWinControl& Parent, TAlign Align) {
  std::vector<TControl*> result;
  for (int i = 0; i < Parent.ControlCount(); ++i) {
    TControl* control = Parent.Controls(i);
    if (control->Align() == Align && control->Visible()) result.push_back(control);
  }
  // Nearest to the edge first; at the same place the control that asked for the layout (it was
  // just put there), then the child order.
  const TControl* trigger = Parent.AlignTrigger();
  std::stable_sort(result.begin(), result.end(), [Align, trigger](const TControl* A, const TControl* B) {
    const int a = EdgeDistance(*A, Align);
    const int b = EdgeDistance(*B, Align);
    if (a != b) return a < b;
    return A == trigger && B != trigger;
  });
  return result;
}

// New start and length on one axis for an anchored control: both edges stretch it, the far edge
// moves it, neither keeps it centred.
void AnchorAxis(bool Near, bool Far, int Start, int Length, int Delta, int& NewStart, int& NewLength) {
  NewStart = Start;
  NewLength = Length;
  if (Near && Far) NewLength = Length + Delta;
  else if (Far) NewStart = Start + Delta;
  else if (!Near) NewStart = Start + Delta / 2;
}

}  // namespace

void TAlignLayout::Arrange(TWinControl& Parent, TRect& Rect) {
  for (TControl* c : AlignedWith(Parent, alTop)) {
    c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), c->Height());
    Rect.Top += c->Height();
  }
  for (TControl* c : AlignedWith(Parent, alBottom)) {
    c->SetBounds(Rect.Left, Rect.Bottom - c->Height(), Rect.Width(), c->Height());
    Rect.Bottom -= c->Height();
  }
  for (TControl* c : AlignedWith(Parent, alLeft)) {
    c->SetBounds(Rect.Left, Rect.Top, c->Width(), std::max(Rect.Height(), 0));
    Rect.Left += c->Width();
  }
  for (TControl* c : AlignedWith(Parent, alRight)) {
    c->SetBounds(Rect.Right - c->Width(), Rect.Top, c->Width(), std::max(Rect.Height(), 0));
    Rect.Right -= c->Width();
  }
  for (TControl* c : AlignedWith(Parent, alClient))
    c->SetBounds(Rect.Left, Rect.Top, std::max(Rect.Width(), 0), std::max(Rect.Height(), 0));

  const TRect client = Parent.ClientRect();
  for (int i = 0; i < Parent.ControlCount(); ++i) {
    TControl* c = Parent.Controls(i);
    if (c->Align() != alNone || !c->FAnchorRuleValid) continue;
    const TRect& was = c->FAnchorBounds;
    const TAnchors anchors = c->Anchors();
    int left, width, top, height;
    AnchorAxis(anchors.Contains(akLeft), anchors.Contains(akRight), was.Left, was.Width(),
               client.Width() - c->FAnchorParentSize.cx, left, width);
    AnchorAxis(anchors.Contains(akTop), anchors.Contains(akBottom), was.Top, was.Height(),
               client.Height() - c->FAnchorParentSize.cy, top, height);
    c->SetBounds(left, top, std::max(width, 0), std::max(height, 0));
  }
}
