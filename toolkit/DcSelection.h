#pragma once
#include <windows.h>

// Selects a GDI object into a DC for one scope and puts the previous object back on exit, so an
// object owned elsewhere is never left selected when its owner deletes it.
class DcSelection {
public:
  DcSelection(HDC dc, HGDIOBJ object) : FDC(dc), FPrevious(object ? SelectObject(dc, object) : nullptr) {}
  ~DcSelection() {
    if (FPrevious) SelectObject(FDC, FPrevious);
  }
  DcSelection(const DcSelection&) = delete;
  DcSelection& operator=(const DcSelection&) = delete;

private:
  HDC FDC;
  HGDIOBJ FPrevious;
};
