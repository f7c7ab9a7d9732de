// Speed of the pixel routines and of the nine-piece button draw, for the Windows build under Wine.
// Usage: draw_benchmark [--quick]   (--quick: a few rounds only, to keep the program working)
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>

#include "SkinDraw.h"
#include "TBitmap.h"
#include "TCanvas.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Timing {
  double secondsPerCall;
  long calls;
};

// Runs fn repeatedly for at least minSeconds (after one untimed warm-up call).
Timing Measure(const std::function<void()>& fn, double minSeconds) {
  fn();
  long calls = 0;
  long batch = 1;
  const auto start = Clock::now();
  double elapsed = 0;
  do {
    for (long i = 0; i < batch; ++i) fn();
    calls += batch;
    batch *= 2;
    elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  } while (elapsed < minSeconds);
  return Timing{elapsed / static_cast<double>(calls), calls};
}

void ReportPixels(const char* name, const Timing& t, int pixels) {
  std::printf("%-22s %4d x %-4d %8.1f Mpixel/s  %9.1f us/call  (%ld calls)\n", name, 256, 256,
              pixels / t.secondsPerCall / 1e6, t.secondsPerCall * 1e6, t.calls);
}

// Half the pixels magenta, the rest varied, as in a skin bitmap with transparent areas.
void FillPattern(TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      bool magenta = ((x / 8) + (y / 8)) % 2 == 0;
      p[0] = magenta ? 0xFF : static_cast<uint8_t>(x);
      p[1] = magenta ? 0x00 : static_cast<uint8_t>(y);
      p[2] = magenta ? 0xFF : static_cast<uint8_t>(x ^ y);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  const double minSeconds = quick ? 0.01 : 1.0;

  TBitmap square(256, 256);
  FillPattern(square);
  const int pixels = 256 * 256;

  // Swapping back and forth keeps the same number of matches in every call.
  bool forth = true;
  ReportPixels("ReplaceBitmapColor", Measure([&] {
                 ReplaceBitmapColor(square, forth ? clFuchsia : clLime, forth ? clLime : clFuchsia);
                 forth = !forth;
               }, minSeconds), pixels);
  ReportPixels("RotateBitmap90CCW", Measure([&] { RotateBitmap90CCW(square); }, minSeconds), pixels);
  ReportPixels("RotateBitmap180", Measure([&] { RotateBitmap180(square); }, minSeconds), pixels);
  ReportPixels("RotateBitmap90CW", Measure([&] { RotateBitmap90CW(square); }, minSeconds), pixels);

  TBitmap frame(75, 21);
  FillPattern(frame);
  TBitmap target(200, 30);
  TCanvas& canvas = target.Canvas();
  for (bool mask : {true, false}) {
    Timing t = Measure([&] { DrawBitmapQuarters(frame, canvas, TRect{0, 0, 200, 30}, clFuchsia, mask); }, minSeconds);
    std::printf("DrawBitmapQuarters     75x21 -> 200x30, corners %s: %8.1f us/call  (%ld calls)\n",
                mask ? "masked  " : "unmasked", t.secondsPerCall * 1e6, t.calls);
  }
  // For scale: the nine temporary bitmaps the nine-piece algorithm makes for this draw, alone
  // (each a DIB section: allocation and first touch of fresh memory).
  const int pieces[9][2] = {{37, 10}, {37, 9}, {36, 10}, {36, 9}, {37, 11}, {36, 11}, {127, 10}, {127, 10}, {128, 10}};
  Timing floor = Measure([&] {
    for (const auto& size : pieces) {
      TBitmap piece(size[0], size[1]);
      piece.ScanLine(0)[0] = 0;
    }
  }, minSeconds);
  std::printf("  of which its 9 temporary bitmaps alone:                  %8.1f us/call\n", floor.secondsPerCall * 1e6);
  return 0;
}
