// What other parts rely on across all these controls: class names and ancestry, the published
// properties a skinner reads by name, and the toolkit's notifications reaching a window procedure
// installed over the control's, or a graphic control through its parent.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ControlMessages.h"
#include "ExtTestSupport.h"
#include "FileNameEdit.h"
#include "Frame.h"
#include "Image.h"
#include "Label.h"
#include "Panel.h"
#include "PropertyApi.h"
#include "ScrollBox.h"
#include "SpeedButton.h"
#include "StringGrid.h"
#include "ToolBar.h"
#include "ToolButton.h"
#include "TreeView.h"

TEST(ExtControls, AreRegisteredUnderTheirNamesWithTheirAncestors) {
  struct Case {
    const char* Name;
    const char* Ancestor;
  };
  const Case cases[] = {
      {"TPanel", "TCustomPanel"},         {"TCustomPanel", "TCustomControl"}, {"TToolBar", "TCustomControl"},
      {"TToolButton", "TGraphicControl"}, {"TSpeedButton", "TGraphicControl"}, {"TLabel", "TCustomLabel"},
      {"TCustomLabel", "TGraphicControl"}, {"TImage", "TGraphicControl"},     {"TScrollBox", "TScrollingWinControl"},
      {"TScrollingWinControl", "TCustomControl"}, {"TFrame", "TCustomFrame"}, {"TCustomFrame", "TScrollingWinControl"},
      {"TStringGrid", "TCustomGrid"},     {"TCustomGrid", "TCustomControl"},  {"TTreeView", "TCustomTreeView"},
      {"TCustomTreeView", "TWinControl"}, {"TFileNameEdit", "TCustomControl"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const TClassInfo& info = FindClass(c.Name);
    EXPECT_TRUE(info.InheritsFrom(c.Ancestor));
  }
  EXPECT_FALSE(FindClass("TCustomTreeView").InheritsFrom("TCustomControl"));
}

TEST(ExtControls, PublishTheirPropertiesWithTheTypeNamesASkinnerReads) {
  TForm owner(nullptr);
  struct Case {
    TObject* Object;
    const char* Property;
    const char* Type;  // null: the control must not publish it
  };
  auto* panel = new TPanel(&owner);
  auto* bar = new TToolBar(&owner);
  auto* label = new TLabel(&owner);
  auto* box = new TScrollBox(&owner);
  auto* grid = new TStringGrid(&owner);
  auto* tree = new TTreeView(&owner);
  auto* frame = new TFrame(&owner);
  auto* speed = new TSpeedButton(&owner);
  const Case cases[] = {
      {panel, "BorderStyle", "TBorderStyle"}, {panel, "BevelEdges", "TBevelEdges"}, {panel, "Color", "TColor"},
      {panel, "ParentColor", "Boolean"},      {panel, "Caption", "TCaption"},       {panel, "BevelOuter", "TBevelCut"},
      {bar, "EdgeBorders", "TEdgeBorders"},   {bar, "Flat", "Boolean"},             {bar, "Transparent", "Boolean"},
      {bar, "Color", "TColor"},               {bar, "BorderStyle", nullptr},        {label, "WordWrap", "Boolean"},
      {label, "Caption", "TCaption"},         {label, "ParentColor", "Boolean"},    {label, "BorderStyle", nullptr},
      {box, "BorderStyle", "TBorderStyle"},   {grid, "BorderStyle", "TBorderStyle"}, {grid, "FixedColor", "TColor"},
      {tree, "BorderStyle", "TBorderStyle"},  {frame, "Color", "TColor"},           {speed, "Flat", "Boolean"},
      {speed, "Color", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Object->ClassName()) + "." + c.Property);
    EXPECT_EQ(HasPublishedProperty(c.Object, c.Property), c.Type != nullptr);
    if (c.Type) {
      EXPECT_EQ(GetPropInfo(c.Object, c.Property)->PropType().Name(), c.Type);
    }
  }
  // Set by name, as the skinners do, the setters run.
  SetOrdProp(bar, "Flat", 1);
  EXPECT_TRUE(bar->Flat());
  SetSetProp(bar, "EdgeBorders", "");
  EXPECT_TRUE(bar->EdgeBorders().Empty());
  SetOrdProp(label, "ParentColor", 1);
  EXPECT_TRUE(label->ParentColor());
  EXPECT_EQ(GetEnumProp(panel, "BorderStyle"), "bsNone");
}

TEST(ExtControls, NotificationsReachAThirdPartyWindowProcedure) {
  auto form = MakeHostForm(400, 300);
  struct Case {
    const char* Name;
    std::function<TWinControl*(TForm&)> Make;
  };
  const Case cases[] = {
      {"panel", [](TForm& f) -> TWinControl* { return new TPanel(&f); }},
      {"tool bar", [](TForm& f) -> TWinControl* { return new TToolBar(&f); }},
      {"scroll box", [](TForm& f) -> TWinControl* { return new TScrollBox(&f); }},
      {"string grid", [](TForm& f) -> TWinControl* { return new TStringGrid(&f); }},
      {"tree view", [](TForm& f) -> TWinControl* { return new TTreeView(&f); }},
      {"file-name edit", [](TForm& f) -> TWinControl* { return new TFileNameEdit(&f); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TWinControl* control = c.Make(*form);
    control->SetBounds(20, 40, 150, 80);
    control->SetAlign(alNone);
    control->SetParent(form.get());
    PumpMessages(5);
    TThirdPartyHook hook(*control);
    SendMouse(*control, WM_MOUSEMOVE, 10, 10);
    SendMessageW(control->Handle(), WM_MOUSELEAVE, 0, 0);
    control->SetCaption("New text");
    control->SetEnabled(false);
    control->SetVisible(false);
    EXPECT_EQ(hook.Count(CM_MOUSEENTER), 1);
    EXPECT_EQ(hook.Count(CM_MOUSELEAVE), 1);
    EXPECT_EQ(hook.Count(CM_TEXTCHANGED), 1);
    EXPECT_EQ(hook.Count(CM_ENABLEDCHANGED), 1);
    EXPECT_EQ(hook.Count(CM_VISIBLECHANGED), 1);
    control->SetVisible(true);
    control->SetEnabled(true);
    hook.Clear();
    if (control->CanFocus()) {
      SetFocus(form->Handle());
      SendMessageW(control->Handle(), WM_SETFOCUS, 0, 0);
      EXPECT_EQ(hook.Count(CM_ENTER), 1);
    }
    delete control;
  }
}

TEST(ExtControls, GraphicControlsHearTheMouseThroughTheirParent) {
  auto form = MakeHostForm(300, 200);
  auto* panel = new TPanel(form.get());
  panel->SetBounds(0, 0, 300, 200);
  panel->SetParent(form.get());
  struct Case {
    const char* Name;
    std::function<TControl*(TForm&)> Make;
  };
  const Case cases[] = {
      {"label", [](TForm& f) -> TControl* { return new TLabel(&f); }},
      {"image", [](TForm& f) -> TControl* { return new TImage(&f); }},
      {"speed button", [](TForm& f) -> TControl* { return new TSpeedButton(&f); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TControl* control = c.Make(*form);
    if (auto* label = dynamic_cast<TLabel*>(control)) label->SetAutoSize(false);
    control->SetBounds(50, 50, 60, 30);
    control->SetParent(panel);
    int enters = 0, leaves = 0;
    control->SetOnMouseEnter([&enters](TObject*) { ++enters; });
    control->SetOnMouseLeave([&leaves](TObject*) { ++leaves; });
    SendMouse(*panel, WM_MOUSEMOVE, 60, 60);
    SendMouse(*panel, WM_MOUSEMOVE, 70, 65);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(leaves, 0);
    SendMouse(*panel, WM_MOUSEMOVE, 200, 150);
    EXPECT_EQ(leaves, 1);
    SendMouse(*panel, WM_MOUSEMOVE, 60, 60);
    SendMessageW(panel->Handle(), WM_MOUSELEAVE, 0, 0);  // leaving the parent leaves the child too
    EXPECT_EQ(enters, 2);
    EXPECT_EQ(leaves, 2);
    delete control;
  }
}
