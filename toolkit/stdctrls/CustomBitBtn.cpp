#include "CustomBitBtn.h"

#include <algorithm>
#include <string>

#include "ButtonLayout.h"
#include "ControlMessages.h"
#include "CustomForm.h"
#include "Publisher.h"
#include "StockGlyphs.h"
#include "TCanvas.h"
#include "TImageList.h"
#include "TextEncoding.h"

VEXA_DEFINE_CLASS(TCustomBitBtn) {}

namespace {

struct TKindDefaults {
  const char* Caption;
  TModalResult Result;
};


TKindDefaults KindDefaults(TBitBtnKind Kind) {
  switch (Kind) {
    case bkOK: return {"OK", mrOk};
    case bkCancel: return {"Cancel", mrCancel};
    case bkHelp: return {"&Help", mrNone};
    case bkYes: return {"&Yes", mrYes};
    case bkNo: return {"&No", mrNo};
    case bkClose: return {"&Close", mrNone};
    case bkAbort: return {"Abort", mrAbort};
    case bkRetry: return {"&Retry", mrRetry};
    case bkIgnore: return {"&Ignore", mrIgnore};
    case bkAll: return {"&All", mrAll};
    case bkCustom: break;
  }
  return {"", mrNone};
}

}  // namespace

TCustomBitBtn::TCustomBitBtn(TComponent* AOwner) : TCustomButton(AOwner), FGlyph(std::make_unique<TBitmap>()) {}

TCustomBitBtn::~TCustomBitBtn() {
  MarkDestroying();
  DestroyHandle();  // the last WM_DRAWITEM must find the glyph alive
}

void TCustomBitBtn::SetGlyph(const TBitmap* Value) {
  if (Value == FGlyph.get()) return;
  if (Value) {
    FGlyph->Assign(*Value);
    FGlyph->SetTransparentMode(Value->TransparentMode());
    if (Value->TransparentMode() == TTransparentMode::tmFixed) FGlyph->SetTransparentColor(Value->TransparentColor());
    FGlyph->SetTransparent(Value->Transparent());
  } else {
    FGlyph->Clear();
  }
  GlyphChanged();
}

void TCustomBitBtn::GlyphChanged() { Invalidate(); }

void TCustomBitBtn::SetNumGlyphs(int Value) {
  Value = std::clamp(Value, 1, 4);
  if (Value == FNumGlyphs) return;
  FNumGlyphs = Value;
  Invalidate();
}

void TCustomBitBtn::SetLayout(TButtonLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TCustomBitBtn::SetMargin(int Value) {
  Value = std::max(Value, -1);
  if (Value == FMargin) return;
  FMargin = Value;
  Invalidate();
}

void TCustomBitBtn::SetSpacing(int Value) {
  Value = std::max(Value, -1);
  if (Value == FSpacing) return;
  FSpacing = Value;
  Invalidate();
}

void TCustomBitBtn::SetKind(TBitBtnKind Value) {
  FKind = Value;
  if (Value == bkCustom) return;
  const TKindDefaults defaults = KindDefaults(Value);
  SetDefault(Value == bkOK || Value == bkYes);
  SetCancel(Value == bkCancel || Value == bkNo);
  // A caption read from a form resource before Kind wins over the stock one.
  if (!ComponentState().Contains(csLoading) || Caption().empty()) SetCaption(defaults.Caption);
  SetModalResult(defaults.Result);
  std::unique_ptr<TBitmap> glyph = CreateStockGlyph(Value);
  SetGlyph(glyph.get());
  SetNumGlyphs(2);
}

void TCustomBitBtn::Click() {
  inherited::Click();
  if (FKind == bkClose)
    if (TCustomForm* form = GetParentForm(this)) form->Close();
}

void TCustomBitBtn::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
    case WM_LBUTTONDBLCLK:
      // An owner-drawn button reports a double click instead of the second click; a quick second
      // press is a press like any other.
      Message.Msg = WM_LBUTTONDOWN;
      break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  inherited::WndProc(Message);
}

void TCustomBitBtn::DrawGlyph(TCanvas& Canvas, TPoint Pos, bool Enabled) const {
  const int count = std::max(FNumGlyphs, 1);
  const int width = FGlyph->Width() / count;
  const int height = FGlyph->Height();
  if (width <= 0 || height <= 0) return;
  const TColor transparent = FGlyph->Pixel(0, height - 1);
  const int frame = Enabled ? 0 : std::min(1, count - 1);
  TBitmap picture(width, height);
  picture.Canvas().CopyRect(TRect{0, 0, width, height}, *FGlyph, TRect{frame * width, 0, (frame + 1) * width, height});
  if (!Enabled && count == 1) {
    // No disabled frame: the platform's grayed rendering of the picture.
    TImageList list(width, height);
    list.AddMasked(picture, transparent);
    list.Draw(Canvas, Pos.X, Pos.Y, 0, false);
    return;
  }
  picture.SetTransparentColor(transparent);
  picture.SetTransparent(true);
  Canvas.Draw(Pos.X, Pos.Y, picture);
}

void TCustomBitBtn::DrawItem(const DRAWITEMSTRUCT& Item) {
  const int width = Item.rcItem.right - Item.rcItem.left;
  const int height = Item.rcItem.bottom - Item.rcItem.top;
  if (width <= 0 || height <= 0) return;
  const bool pressed = (Item.itemState & ODS_SELECTED) != 0;
  const bool focused = (Item.itemState & ODS_FOCUS) != 0;
  const bool enabled = (Item.itemState & ODS_DISABLED) == 0;

  TBitmap buffer(width, height);
  TCanvas& canvas = buffer.Canvas();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(TRect{0, 0, width, height});
  RECT face{0, 0, width, height};
  if (Default() || focused) {
    // The default button's dark outline.
    canvas.Brush().SetColor(clWindowFrame);
    canvas.FrameRect(TRect{0, 0, width, height});
    InflateRect(&face, -1, -1);
  }
  DrawFrameControl(canvas.Handle(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  canvas.Font().Assign(*Font());
  const std::wstring caption = Utf8ToWide(Caption());
  const TRect client{1, 1, width - 1, height - 1};
  const bool rightToLeft = BiDiMode() != bdLeftToRight;
  const UINT bidiFlags = rightToLeft ? DT_RIGHT | DT_RTLREADING : 0;
  TSize textSize;
  if (!caption.empty()) {
    TRect measure{0, 0, client.Width(), 0};
    canvas.DrawText(caption, measure, bidiFlags | DT_CALCRECT);
    textSize = TSize{measure.Width(), measure.Height()};
  }
  TSize glyphSize;
  if (!FGlyph->Empty()) glyphSize = TSize{FGlyph->Width() / std::max(FNumGlyphs, 1), FGlyph->Height()};
  TButtonContentPlace layout = PlaceButtonContent(client, glyphSize, textSize, FLayout, FMargin, FSpacing, rightToLeft);
  if (pressed) {
    layout.GlyphPos = TPoint{layout.GlyphPos.X + 1, layout.GlyphPos.Y + 1};
    layout.TextRect = TRect{layout.TextRect.Left + 1, layout.TextRect.Top + 1, layout.TextRect.Right + 1,
                            layout.TextRect.Bottom + 1};
  }
  DrawGlyph(canvas, layout.GlyphPos, enabled);

  if (!caption.empty()) {
    canvas.Brush().SetStyle(bsClear);
    const UINT flags = bidiFlags | DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if (enabled) {
      canvas.Font().SetColor(Font()->Color());
      canvas.DrawText(caption, layout.TextRect, flags);
    } else {
      TRect lit{layout.TextRect.Left + 1, layout.TextRect.Top + 1, layout.TextRect.Right + 1,
                layout.TextRect.Bottom + 1};
      canvas.Font().SetColor(clBtnHighlight);
      canvas.DrawText(caption, lit, flags);
      canvas.Font().SetColor(clBtnShadow);
      canvas.DrawText(caption, layout.TextRect, flags);
    }
    canvas.Brush().SetStyle(bsSolid);
  }
  if (focused) canvas.DrawFocusRect(TRect{4, 4, width - 4, height - 4});
  BitBlt(Item.hDC, Item.rcItem.left, Item.rcItem.top, width, height, buffer.SourceDC(), 0, 0, SRCCOPY);
}
