#pragma once
#include <windows.h>

#include <stdexcept>

// Owns a memory DC compatible with the screen (DeleteDC in the destructor).
class MemoryDC {
public:
  MemoryDC() : FDC(CreateCompatibleDC(nullptr)) {
    if (!FDC) throw std::runtime_error("Out of system resources (memory DC)");
  }
  ~MemoryDC() { DeleteDC(FDC); }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC Get() const { return FDC; }

private:
  HDC FDC;
};
