#pragma once
#include <windows.h>

#include <utility>

// Sole owner of one GDI object (font, brush, pen, bitmap, region): DeleteObject in the destructor.
// Callers make sure the object is no longer selected into a DC when the owner lets it go.
template <typename Handle>
class GdiObject {
public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : FHandle(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return FHandle; }
  explicit operator bool() const { return FHandle != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (FHandle) DeleteObject(FHandle);
    FHandle = handle;
  }

private:
  Handle FHandle = nullptr;
};
