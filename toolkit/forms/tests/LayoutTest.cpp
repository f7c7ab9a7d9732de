// Align and Anchors layout, size constraints and the client size of forms.
#include <gtest/gtest.h>

#include <memory>

#include "ClassesErrors.h"
#include "FormsTestSupport.h"
#include "TestForms.h"

namespace {

TTestBox* AddBox(TWinControl& Parent, TAlign Align, TRect Bounds) {
  auto* box = new TTestBox(Parent.Owner() ? Parent.Owner() : &Parent);
  box->SetParent(&Parent);
  box->SetBoundsRect(Bounds);
  box->SetAlign(Align);
  return box;
}

}  // namespace

TEST(Layout, AlignedControlsShareTheClientAreaAndFollowItsSize) {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  TTestBox& panel = *form->Box1;  // 200 x 120, windowed
  panel.SetBounds(0, 0, 200, 120);
  TTestBox* top2 = AddBox(panel, alTop, TRect{0, 50, 10, 60});  // below the other top one
  TTestBox* top1 = AddBox(panel, alTop, TRect{0, 0, 10, 20});
  TTestBox* bottom = AddBox(panel, alBottom, TRect{0, 0, 10, 15});
  TTestBox* left = AddBox(panel, alLeft, TRect{0, 0, 30, 10});
  TTestBox* right = AddBox(panel, alRight, TRect{0, 0, 40, 10});
  TTestBox* client = AddBox(panel, alClient, TRect{0, 0, 1, 1});
  TTestBox* hidden = AddBox(panel, alLeft, TRect{0, 0, 25, 10});
  hidden->SetVisible(false);  // takes no room
  form->Shape1->SetVisible(false);

  struct TExpected {
    TControl* Control;
    TRect Bounds;
  };
  auto check = [](std::initializer_list<TExpected> expected) {
    for (const TExpected& e : expected) EXPECT_EQ(e.Control->BoundsRect(), e.Bounds) << e.Control->ClassName();
  };
  check({{top1, {0, 0, 200, 20}},
         {top2, {0, 20, 200, 30}},
         {bottom, {0, 105, 200, 120}},
         {left, {0, 30, 30, 105}},
         {right, {160, 30, 200, 105}},
         {client, {30, 30, 160, 105}}});

  form->Show();  // the windows take the same places
  RECT r;
  GetWindowRect(client->Handle(), &r);
  MapWindowPoints(nullptr, panel.Handle(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(TRect::FromRECT(r), (TRect{30, 30, 160, 105}));

  panel.SetBounds(0, 0, 300, 200);
  check({{top1, {0, 0, 300, 20}},
         {top2, {0, 20, 300, 30}},
         {bottom, {0, 185, 300, 200}},
         {left, {0, 30, 30, 185}},
         {right, {260, 30, 300, 185}},
         {client, {30, 30, 260, 185}}});

  hidden->SetVisible(true);
  EXPECT_EQ(client->BoundsRect(), (TRect{55, 30, 260, 185}));
}

TEST(Layout, AnchorsKeepTheDistancesToTheNamedEdges) {
  struct TCase {
    TAnchors Anchors;
    TRect After;  // the box starts at (20, 30, 60, 50) in a 200 x 100 client area that grows by 40 x 20
  };
  const TCase cases[] = {
      {TAnchors{akLeft, akTop}, {20, 30, 60, 50}},
      {TAnchors{akRight, akBottom}, {60, 50, 100, 70}},
      {TAnchors{akLeft, akTop, akRight}, {20, 30, 100, 50}},
      {TAnchors{akLeft, akTop, akRight, akBottom}, {20, 30, 100, 70}},
      {TAnchors{}, {40, 40, 80, 60}},  // neither edge: stays centred
  };
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  form->Show();
  TTestBox& panel = *form->Box1;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Anchors.Bits());
    panel.SetBounds(0, 0, 200, 100);
    TTestBox* box = AddBox(panel, alNone, TRect{20, 30, 60, 50});
    box->SetAnchors(c.Anchors);
    panel.SetBounds(0, 0, 240, 120);
    EXPECT_EQ(box->BoundsRect(), c.After);
    panel.SetBounds(0, 0, 200, 100);  // and back
    EXPECT_EQ(box->BoundsRect(), (TRect{20, 30, 60, 50}));
    delete box;
  }
}

TEST(Layout, ConstraintsHoldForSetBoundsForThePlatformAndForTheUser) {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  form->Show();
  TSizeConstraints& c = *form->Constraints();
  c.SetMinWidth(250);
  c.SetMinHeight(180);
  c.SetMaxWidth(500);
  c.SetMaxHeight(400);

  form->SetBounds(10, 10, 100, 100);
  EXPECT_EQ(form->Width(), 250);
  EXPECT_EQ(form->Height(), 180);
  form->SetBounds(10, 10, 900, 900);
  EXPECT_EQ(form->Width(), 500);
  EXPECT_EQ(form->Height(), 400);

  MINMAXINFO info{};
  info.ptMaxTrackSize = POINT{5000, 5000};
  SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 250);
  EXPECT_EQ(info.ptMinTrackSize.y, 180);
  EXPECT_EQ(info.ptMaxTrackSize.x, 500);
  EXPECT_EQ(info.ptMaxTrackSize.y, 400);

  // Sizing the window past the toolkit, as the user's dragging does, meets the same limits.
  SetWindowPos(form->Handle(), nullptr, 0, 0, 60, 60, SWP_NOMOVE | SWP_NOZORDER);
  RECT r;
  GetWindowRect(form->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 250);
  EXPECT_EQ(r.bottom - r.top, 180);
  EXPECT_EQ(form->Width(), 250);

  // A new limit moves the control into it at once; limits never cross.
  c.SetMaxWidth(240);
  EXPECT_EQ(c.MinWidth(), 240);
  EXPECT_EQ(form->Width(), 240);
  c.SetMinHeight(450);
  EXPECT_EQ(c.MaxHeight(), 450);
  EXPECT_EQ(form->Height(), 450);
}

TEST(Layout, ClientSizeIsExactWithAndWithoutAMenuBar) {
  struct TCase {
    const char* Name;
    int MenuItems;  // 0: no menu
    int Width;      // a narrow form wraps a long menu bar onto two lines
  };
  for (const TCase c : {TCase{"no menu", 0, 300}, TCase{"menu", 2, 300}, TCase{"wrapping menu", 8, 150}}) {
    SCOPED_TRACE(c.Name);
    std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
    std::unique_ptr<TTestMenu> menu;
    if (c.MenuItems) {
      menu = std::make_unique<TTestMenu>(nullptr, c.MenuItems);
      form->SetMenu(menu.get());
    }
    // Before the window exists the frame comes from the styles.
    form->SetClientWidth(c.Width);
    form->SetClientHeight(170);
    form->Show();
    EXPECT_EQ(GetMenu(form->Handle()) != nullptr, c.MenuItems > 0);
    if (c.MenuItems < 8) {  // a one-line bar: the frame computed in advance was right
      EXPECT_EQ(form->ClientWidth(), c.Width);
      EXPECT_EQ(form->ClientHeight(), 170);
    }
    form->SetClientWidth(c.Width);
    form->SetClientHeight(170);
    RECT client;
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, c.Width);
    EXPECT_EQ(client.bottom, 170);
    EXPECT_EQ(form->ClientWidth(), c.Width);
    EXPECT_EQ(form->ClientHeight(), 170);
    form->SetMenu(nullptr);  // the bar goes, the window keeps its size
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  }
}

TEST(Layout, TheMenuBarFollowsTheFormsMenuAndItsCommandsReachTheMenu) {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  auto* menu = new TTestMenu(form.get());
  menu->SetName("MainMenu1");
  form->SetMenuComponent(menu);
  form->Show();
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(101, 0), 0);
  EXPECT_EQ(menu->Commands, (std::vector<UINT>{101}));
  // The window is made again with its menu; the menu survives the old window.
  form->SetBorderStyle(bsSingle);
  EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
  EXPECT_TRUE(IsMenu(menu->Handle()));
  // A freed menu leaves the form.
  delete menu;
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(GetMenu(form->Handle()), nullptr);
  TTestBox notAMenu(nullptr);
  EXPECT_THROW(form->SetMenuComponent(&notAMenu), EPropertyError);
}
