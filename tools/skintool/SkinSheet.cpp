#include "SkinSheet.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "AtomicFile.h"
#include "SkinDraw.h"
#include "SkinError.h"
#include "TBitmap.h"
#include "TCanvas.h"
#include "ToolCommands.h"
#include "TvexaProgressBarRes.h"
#include "TvexaReader.h"
#include "TvexaScrollBtnRes.h"
#include "TvexaTabRes.h"

namespace {

constexpr int kSheetWidth = 1100;
constexpr int kMargin = 12;
constexpr int kGap = 14;
constexpr int kLabelHeight = 15;
constexpr TColor kBackground = 0xF4F4F4, kInk = 0x303030, kHeading = 0x8A4A1F, kFrame = 0xC8C8C8;

// Lays labelled pictures out in rows on a tall scratch bitmap; the sheet is cropped at the end.
class SheetLayout {
public:
  explicit SheetLayout(TBitmap& page) : FPage(page), FCanvas(page.Canvas()) {
    FCanvas.Font().SetName(L"Tahoma");
    FCanvas.Font().SetHeight(-11);
    FCanvas.Brush().SetColor(kBackground);
    FCanvas.FillRect(Rect(0, 0, page.Width(), page.Height()));
  }

  void Title(const std::string& text) {
    FCanvas.Brush().SetStyle(bsClear);
    FCanvas.Font().SetColor(kInk);
    FCanvas.Font().SetStyle(fsBold);
    FCanvas.TextOut(kMargin, FY, text);
    FCanvas.Font().SetStyle(0);
    FY += kLabelHeight + 4;
  }

  void Heading(const std::string& text) {
    NewRow();
    FY += kGap / 2;
    FCanvas.Brush().SetStyle(bsClear);
    FCanvas.Font().SetColor(kHeading);
    FCanvas.Font().SetStyle(fsBold);
    FCanvas.TextOut(kMargin, FY, text);
    FCanvas.Font().SetStyle(0);
    FY += kLabelHeight + 6;
    FCanvas.Pen().SetColor(kFrame);
    FCanvas.MoveTo(kMargin, FY - 3);
    FCanvas.LineTo(kSheetWidth - kMargin, FY - 3);
  }

  // Reserves a cell of the given picture size with a label under it; returns the picture's corner.
  TPoint Cell(int width, int height, const std::string& label) {
    const int cellWidth = std::max(width, FCanvas.TextWidth(label)) + kGap;
    if (FX + cellWidth > kSheetWidth - kMargin && FX > kMargin) NewRow();
    TPoint at{FX, FY};
    FCanvas.Brush().SetStyle(bsClear);
    FCanvas.Font().SetColor(kInk);
    FCanvas.TextOut(FX, FY + height + 2, label);
    FX += cellWidth;
    FRowHeight = std::max(FRowHeight, height + kLabelHeight + kGap);
    return at;
  }

  // A bitmap at its own size, with a thin frame so pieces of the background colour still show.
  void Picture(const TBitmap* bitmap, const std::string& label) {
    if (!bitmap || bitmap->Empty()) {
      Cell(60, 10, label + " (none)");
      return;
    }
    TPoint at = Cell(bitmap->Width(), bitmap->Height(), label);
    FCanvas.Brush().SetColor(kFrame);
    FCanvas.FrameRect(Rect(at.X - 1, at.Y - 1, at.X + bitmap->Width() + 1, at.Y + bitmap->Height() + 1));
    FCanvas.CopyRect(Rect(at.X, at.Y, at.X + bitmap->Width(), at.Y + bitmap->Height()), *bitmap,
                     Rect(0, 0, bitmap->Width(), bitmap->Height()));
  }

  void NewRow() {
    if (FX > kMargin) FY += FRowHeight;
    FX = kMargin;
    FRowHeight = 0;
  }
  int Bottom() {
    NewRow();
    return FY + kMargin;
  }
  TCanvas& Canvas() { return FCanvas; }

private:
  TBitmap& FPage;
  TCanvas& FCanvas;
  int FX = kMargin, FY = kMargin, FRowHeight = 0;
};

void DrawBitmaps(SheetLayout& sheet, const TvexaReader& skin) {
  sheet.Heading("Bitmaps");
  for (int id = 0; id < kBitmapIdCount; ++id)
    if (const TBitmap* b = skin.GetSkinBitmap(id)) sheet.Picture(b, SkinKeys[kBitmapKeyOffset + id]);
}

void DrawDerived(SheetLayout& sheet, TvexaReader& skin) {
  TvexaScrollBtnRes scroll;
  TvexaTabRes tabs;
  TvexaProgressBarRes progress;
  scroll.SetReader(&skin);
  progress.SetReader(&skin);
  tabs.SetReader(&skin);

  sheet.Heading("Scroll bar buttons (vertical, horizontal: up/left 1-3, down/right 4-6)");
  for (int i = 1; i <= 6; ++i) sheet.Picture(scroll.VertButton(i), "V" + std::to_string(i));
  for (int i = 1; i <= 6; ++i) sheet.Picture(scroll.HorzButton(i), "H" + std::to_string(i));
  sheet.Heading("Scroll bar thumb pieces (vertical, horizontal: 1 cap, 2 fill, 3 grip, 4 fill, 5 cap)");
  for (int k = 1; k <= 5; ++k) sheet.Picture(scroll.VertThumb(k), "V" + std::to_string(k));
  for (int k = 1; k <= 5; ++k) sheet.Picture(scroll.HorzThumb(k), "H" + std::to_string(k));
  sheet.Picture(scroll.WholeThumbVert(), "whole thumb V");
  sheet.Picture(scroll.WholeThumbHorz(), "whole thumb H");

  sheet.Heading("Tab pieces (as is, quarter counter-clockwise, half, quarter clockwise)");
  const char* turns[] = {"", " ccw", " half", " cw"};
  for (int t = 0; t < 4; ++t) sheet.Picture(tabs.Line(TTabTurn(t)), std::string("line") + turns[t]);
  for (int t = 0; t < 4; ++t) sheet.Picture(tabs.InactiveTab(TTabTurn(t)), std::string("inactive") + turns[t]);
  for (int t = 0; t < 4; ++t) sheet.Picture(tabs.ActiveTab(TTabTurn(t)), std::string("active") + turns[t]);

  sheet.Heading("Progress bar pieces (1 cap, 2 filled, 3 empty, 4 cap; horizontal, vertical)");
  for (int k = 1; k <= 4; ++k) sheet.Picture(progress.HorzPiece(k), "H" + std::to_string(k));
  for (int k = 1; k <= 4; ++k) sheet.Picture(progress.VertPiece(k), "V" + std::to_string(k));
}

void DrawSamples(SheetLayout& sheet, const TvexaReader& skin) {
  TCanvas& canvas = sheet.Canvas();
  const TColor trans = skin.GetSkinColor(SKIN2_TRANSCOLOR);
  sheet.Heading("Push button frames drawn nine-piece (normal, hot, pressed)");
  if (const TBitmap* strip = skin.GetSkinBitmap(SKIN2_BUTTON)) {
    const TSize sizes[] = {{60, 21}, {120, 30}, {200, 44}};
    const char* states[] = {"normal", "hot", "pressed"};
    for (const TSize& size : sizes)
      for (int frame = 1; frame <= 3; ++frame) {
        TBitmap piece;
        CutBitmapFrame(strip, piece, 3, frame);
        // The routine draws from the canvas origin, so each sample is composed apart and copied.
        TBitmap sample(size.cx, size.cy);
        sample.Canvas().Brush().SetColor(skin.GetSkinColor(SKIN2_FORMCOLOR));
        sample.Canvas().FillRect(Rect(0, 0, size.cx, size.cy));
        DrawBitmapQuarters(piece, sample.Canvas(), Rect(0, 0, size.cx, size.cy), trans, true);
        sheet.Picture(&sample, std::string(states[frame - 1]) + " " + std::to_string(size.cx) + "x" +
                                   std::to_string(size.cy));
      }
  }

  sheet.Heading("Bottom border drawn three-part");
  if (const TBitmap* bottom = skin.GetSkinBitmap(SKIN2_FORMBOTTOMBORDER1)) {
    for (int width : {150, 420}) {
      TPoint at = sheet.Cell(width, bottom->Height(), std::to_string(width) + " wide");
      DrawHorzThreePart(*bottom, canvas, Rect(at.X, at.Y, at.X + width, at.Y + bottom->Height()), trans, true);
    }
  }

  sheet.Heading("Arrows (enabled, disabled) and a caption fitted to 140 pixels");
  using ArrowFn = void (*)(TCanvas&, int, int, bool);
  const struct {
    ArrowFn draw;
    const char* name;
    int dx, dy;
  } arrows[] = {{DrawArrowDown, "down", 5, 6}, {DrawArrowUp, "up", 8, 6}, {DrawArrowLeft, "left", 6, 9},
                {DrawArrowRight, "right", 7, 6}};
  for (bool enabled : {true, false})
    for (const auto& a : arrows) {
      TPoint at = sheet.Cell(18, 18, std::string(a.name) + (enabled ? "" : " off"));
      canvas.Brush().SetColor(0xD8D8D8);
      canvas.FillRect(Rect(at.X, at.Y, at.X + 18, at.Y + 18));
      a.draw(canvas, at.X + a.dx, at.Y + a.dy, enabled);
    }
  const std::string caption = "A window caption much too long for its title bar";
  const std::string fitted = FitCaption(canvas, caption, 140);
  TPoint at = sheet.Cell(140, 16, "FitCaption at 140");
  canvas.Brush().SetColor(0xFFFFFF);
  canvas.FillRect(Rect(at.X, at.Y, at.X + 140, at.Y + 16));
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(kInk);
  TRect clip = Rect(at.X, at.Y, at.X + 140, at.Y + 16);
  canvas.TextRect(clip, at.X + 1, at.Y + 1, fitted);
}

std::string BmpFileBytes(TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height(), stride = bitmap.Stride();
  const uint32_t pixels = uint32_t(stride) * uint32_t(h);
  std::string out(54 + pixels, '\0');
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = char((v >> (8 * i)) & 0xFF);
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, uint32_t(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, uint32_t(w));
  put32(22, uint32_t(h));
  out[26] = 1;
  out[28] = 24;
  put32(34, pixels);
  for (int y = 0; y < h; ++y)
    std::copy_n(reinterpret_cast<const char*>(bitmap.ScanLine(y)), stride, out.begin() + 54 + size_t(h - 1 - y) * stride);
  return out;
}

}  // namespace

int RunSheet(const std::string& archive, const std::string& outFile, const std::string& password, std::ostream& err) {
  try {
    TvexaReader skin;
    skin.LoadFromFile(archive, password);
    if (!skin.SkinLoaded()) {
      err << kMsgFailedToRead << "\n" << archive << ": no such file\n";
      return kExitUnreadable;
    }
    TBitmap page(kSheetWidth, 6000);
    SheetLayout sheet(page);
    sheet.Title("Skin " + archive);
    DrawBitmaps(sheet, skin);
    DrawDerived(sheet, skin);
    DrawSamples(sheet, skin);
    TBitmap cropped(kSheetWidth, std::min(page.Height(), sheet.Bottom()));
    cropped.Canvas().CopyRect(Rect(0, 0, cropped.Width(), cropped.Height()), page,
                              Rect(0, 0, cropped.Width(), cropped.Height()));
    WriteFileAtomically(outFile, BmpFileBytes(cropped));
    return kExitOk;
  } catch (const ESkinError& e) {
    err << e.what() << "\n";
    return e.what() == std::string(kMsgWrongPassword) ? kExitWrongPassword
           : e.what() == std::string(kMsgFailedToRead) ? kExitUnreadable
                                                       : kExitOtherError;
  } catch (const std::exception& e) {
    err << outFile << ": " << e.what() << "\n";
    return kExitOtherError;
  }
}
