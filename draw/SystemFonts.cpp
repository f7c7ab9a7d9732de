#include "SystemFonts.h"

#include <windows.h>

namespace {
bool ReadMetrics(NONCLIENTMETRICSW& metrics) {
  metrics = NONCLIENTMETRICSW{};
  metrics.cbSize = sizeof(metrics);
  return SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != 0;
}
}  // namespace

void AssignCaptionFont(TFont& Font) {
  NONCLIENTMETRICSW metrics;
  if (ReadMetrics(metrics)) Font.AssignLogFont(metrics.lfCaptionFont);
}

void AssignMenuFont(TFont& Font) {
  NONCLIENTMETRICSW metrics;
  if (!ReadMetrics(metrics)) return;
  Font.AssignLogFont(metrics.lfMenuFont);
  Font.SetColor(clMenuText);
}
