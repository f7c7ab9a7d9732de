#include "WindowFrame.h"

#include "TWindowCanvas.h"

void DrawWindowFrame(HWND Window, TColor OuterColor, TColor InnerColor, bool DrawInner) {
  RECT bounds;
  if (!IsWindow(Window) || !GetWindowRect(Window, &bounds)) return;
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  TWindowCanvas canvas(Window, TWindowArea::waWhole);
  canvas.Brush().SetColor(ColorToRGB(OuterColor));
  canvas.FrameRect(TRect{0, 0, width, height});
  if (DrawInner) {
    canvas.Brush().SetColor(ColorToRGB(InnerColor));
    canvas.FrameRect(TRect{1, 1, width - 1, height - 1});
  }
}
