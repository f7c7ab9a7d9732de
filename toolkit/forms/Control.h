#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "Component.h"
#include "ControlFont.h"
#include "ControlTypes.h"
#include "Message.h"
#include "NotifyEvent.h"
#include "SizeConstraints.h"
#include "TColor.h"
#include "TRect.h"

class TWinControl;
class TCustomForm;

// Anything that takes space on a form: a position in its parent, a size, visibility, colours,
// a font, text, and mouse events. A control without a window of its own (TGraphicControl) is
// painted by its parent and gets its mouse messages from it; a windowed one (TWinControl) has a
// platform window.
//
// Every message for a control passes through its virtual WndProc; messages it does not handle go
// to DefaultHandler (the platform's procedure of a windowed control, nothing for the others).
// Perform delivers a message: through the window (so procedures installed over the toolkit's see
// it) when the control has one, straight to WndProc otherwise.
//
// Properties are getters named as the property and setters SetX. TControl publishes Left, Top,
// Width, Height, Cursor and Hint; each control class publishes the others it offers (Color,
// ParentColor, Font, Caption...), so HasPublishedProperty tells controls apart as a designer does.
class TControl : public TComponent {
  VEXA_CLASS(TControl, TComponent)

public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* Value);
  virtual bool IsWindowed() const { return false; }

  // Position in the parent's client area (a form without a parent: on the screen).
  int Left() const { return FLeft; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  int Top() const { return FTop; }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  int Width() const { return FWidth; }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  // The size is brought within Constraints first.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  void SetBoundsRect(const TRect& Value) { SetBounds(Value.Left, Value.Top, Value.Width(), Value.Height()); }

  // The area inside the frame, in the control's own coordinates.
  virtual TRect ClientRect() const;
  int ClientWidth() const { return ClientRect().Width(); }
  void SetClientWidth(int Value) { SetClientSize(Value, ClientHeight()); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientHeight(int Value) { SetClientSize(ClientWidth(), Value); }
  virtual void SetClientSize(int AWidth, int AHeight);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* Constraints() const { return FConstraints.get(); }
  void SetConstraints(TSizeConstraints* Value) { FConstraints->Assign(Value); }

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  // Visible, and every parent up to a form that is itself visible.
  virtual bool Showing() const;
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // True: the control takes its parent's Color, now and whenever the parent's changes.
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TControlFont* Font() const { return FFont.get(); }
  void SetFont(TControlFont* Value);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  bool IsFontStored() const { return !FParentFont; }
  bool IsColorStored() const { return !FParentColor; }

  // Caption and Text are the same text (UTF-8): forms and labels call it Caption, edits Text.
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& Value) { SetText(Value); }
  std::string Text() const { return GetText(); }
  void SetText(const std::string& Value);

  TBiDiMode BiDiMode() const { return FBiDiMode; }
  virtual void SetBiDiMode(TBiDiMode Value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value) { FShowHint = Value; }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value) { FCursor = Value; }
  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }

  // Painting: Invalidate marks the control for repainting, Update paints what is marked now.
  virtual void Invalidate();
  virtual void Update();
  void Repaint();
  // Moves the control above or below its siblings of the same kind.
  void BringToFront();
  void SendToBack();

  TPoint ClientToScreen(TPoint Point) const;
  TPoint ScreenToClient(TPoint Point) const;

  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  virtual void WndProc(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message);

  virtual void Click();
  virtual void DblClick();

  const TNotifyEvent& OnClick() const { return FOnClick; }
  void SetOnClick(TNotifyEvent Value) { FOnClick = std::move(Value); }
  const TNotifyEvent& OnDblClick() const { return FOnDblClick; }
  void SetOnDblClick(TNotifyEvent Value) { FOnDblClick = std::move(Value); }
  const TMouseEvent& OnMouseDown() const { return FOnMouseDown; }
  void SetOnMouseDown(TMouseEvent Value) { FOnMouseDown = std::move(Value); }
  const TMouseEvent& OnMouseUp() const { return FOnMouseUp; }
  void SetOnMouseUp(TMouseEvent Value) { FOnMouseUp = std::move(Value); }
  const TMouseMoveEvent& OnMouseMove() const { return FOnMouseMove; }
  void SetOnMouseMove(TMouseMoveEvent Value) { FOnMouseMove = std::move(Value); }
  const TNotifyEvent& OnMouseEnter() const { return FOnMouseEnter; }
  void SetOnMouseEnter(TNotifyEvent Value) { FOnMouseEnter = std::move(Value); }
  const TNotifyEvent& OnMouseLeave() const { return FOnMouseLeave; }
  void SetOnMouseLeave(TNotifyEvent Value) { FOnMouseLeave = std::move(Value); }
  const TNotifyEvent& OnResize() const { return FOnResize; }
  void SetOnResize(TNotifyEvent Value) { FOnResize = std::move(Value); }

protected:
  void Loaded() override;
  virtual std::string GetText() const { return FText; }
  // Called after the size changed (by a setter, the layout or the platform).
  virtual void Resize();
  // The parent's Color or Font changed: follow it when ParentColor / ParentFont says so.
  virtual void ParentColorChanged();
  virtual void ParentFontChanged();
  // Reacts to a change of Font; the windowed control also hands the new font to its window.
  virtual void FontChanged();
  virtual void ColorChanged();
  // True while the control is being destroyed: csDestroying, which the toolkit's destructors set
  // first thing (MarkDestroying), on the control and everything it owns.
  bool Destroying() const { return ComponentState().Contains(csDestroying); }
  void MarkDestroying() { TComponent::Destroying(); }
  // Remembers the present distances to the parent's edges, which Anchors keep on a parent resize.
  void UpdateAnchorRules();
  // The parent lays its children out again when this control's alignment needs it.
  void RequestParentAlign();
  // Raises EInvalidOperation when Value is this control or one of its children.
  void CheckNewParent(const TWinControl* Value) const;

  std::string FText;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;

private:
  friend class TWinControl;
  friend class TAlignLayout;
  void HandleMouseMessage(TMessage& Message);
  void SetParentFontFrom(const TControl& Source);

  TWinControl* FParent = nullptr;
  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  // Anchoring rule: the bounds and the parent's client size when they were last set freely.
  TRect FAnchorBounds;
  TSize FAnchorParentSize;
  bool FAnchorRuleValid = false;
  std::unique_ptr<TSizeConstraints> FConstraints;
  TColor FColor = clBtnFace;
  bool FParentColor = false;
  std::unique_ptr<TControlFont> FFont;
  bool FParentFont = true;
  bool FFollowingParentFont = false;
  TBiDiMode FBiDiMode = bdLeftToRight;
  std::string FHint;
  bool FShowHint = false;
  TCursor FCursor = crDefault;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks};
  bool FClicked = false;

  TNotifyEvent FOnClick, FOnDblClick, FOnMouseEnter, FOnMouseLeave, FOnResize;
  TMouseEvent FOnMouseDown, FOnMouseUp;
  TMouseMoveEvent FOnMouseMove;
};

// The form a control sits on (following Parent links to the top), or null.
TCustomForm* GetParentForm(const TControl* Control);
