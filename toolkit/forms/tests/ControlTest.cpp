// Control properties as the platform's windows show them: styles, visibility, colours and fonts
// handed down to children, window state and position, coordinates.
#include <gtest/gtest.h>

#include <memory>

#include "FormsTestSupport.h"
#include "Screen.h"
#include "TestForms.h"

namespace {

std::unique_ptr<TSecondTestForm> NewForm() {
  return std::unique_ptr<TSecondTestForm>(CreateFormFromResource<TSecondTestForm>(nullptr));
}

}  // namespace

TEST(FormWindow, BorderStyleAndIconsGiveTheWindowItsStyles) {
  struct TCase {
    TFormBorderStyle Border;
    TBorderIcons Icons;
    DWORD StyleSet;      // all of these bits are set
    DWORD StyleClear;    // none of these
    DWORD ExStyleSet;
    DWORD ExStyleClear;
  };
  const TBorderIcons all{biSystemMenu, biMinimize, biMaximize};
  const TCase cases[] = {
      {bsNone, all, WS_POPUP, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0, WS_EX_TOOLWINDOW},
      {bsSingle, all, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_THICKFRAME | WS_POPUP, 0, 0},
      {bsSizeable, all, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MAXIMIZEBOX, WS_POPUP, 0, WS_EX_TOOLWINDOW},
      {bsDialog, all, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_EX_DLGMODALFRAME, 0},
      {bsToolWindow, all, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW, 0},
      {bsSizeToolWin, all, WS_CAPTION | WS_THICKFRAME, WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW, 0},
      {bsSizeable, TBorderIcons{}, WS_CAPTION | WS_THICKFRAME, WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, 0},
      {bsSizeable, TBorderIcons{biSystemMenu, biMaximize}, WS_SYSMENU | WS_MAXIMIZEBOX, WS_MINIMIZEBOX, 0, 0},
      {bsDialog, TBorderIcons{biSystemMenu, biHelp}, WS_SYSMENU, 0, WS_EX_CONTEXTHELP, 0},
  };
  auto form = NewForm();
  form->Show();
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.Border) + "/" + std::to_string(c.Icons.Bits()));
    form->SetBorderStyle(c.Border);
    form->SetBorderIcons(c.Icons);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(form->Handle(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE));
    EXPECT_EQ(style & c.StyleSet, c.StyleSet);
    EXPECT_EQ(style & c.StyleClear, 0u);
    EXPECT_EQ(exStyle & c.ExStyleSet, c.ExStyleSet);
    EXPECT_EQ(exStyle & c.ExStyleClear, 0u);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(GetParent(form->Box1->Handle()), form->Handle());
  }
}

TEST(FormWindow, WindowStateFollowsTheWindowBothWays) {
  auto form = NewForm();
  form->Show();
  form->SetWindowState(wsMaximized);
  EXPECT_TRUE(IsZoomed(form->Handle()));
  ShowWindow(form->Handle(), SW_RESTORE);
  EXPECT_EQ(form->WindowState(), wsNormal);
  ShowWindow(form->Handle(), SW_MINIMIZE);
  EXPECT_EQ(form->WindowState(), wsMinimized);
  form->SetWindowState(wsNormal);
  EXPECT_FALSE(IsIconic(form->Handle()));
  // A form shown for the first time in a state appears in it.
  auto other = NewForm();
  other->SetWindowState(wsMaximized);
  other->Show();
  EXPECT_TRUE(IsZoomed(other->Handle()));
}

TEST(FormWindow, PositionPlacesTheFormWhenItIsFirstShown) {
  TResourceOverride resources;
  TMainTestForm* main = nullptr;
  Application->CreateForm(main);
  main->SetBounds(100, 80, 600, 500);
  main->Show();
  struct TCase {
    TPosition Position;
    TPoint Expected;
  };
  const TCase cases[] = {
      {poDesigned, {40, 40}},
      {poScreenCenter, {(Screen->Width() - 400) / 2, (Screen->Height() - 300) / 2}},
      {poMainFormCenter, {100 + (600 - 400) / 2, 80 + (500 - 300) / 2}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Position);
    auto form = NewForm();  // 400 x 300 at (40, 40)
    form->SetPosition(c.Position);
    form->Show();
    EXPECT_EQ(form->Left(), c.Expected.X);
    EXPECT_EQ(form->Top(), c.Expected.Y);
    RECT r;
    GetWindowRect(form->Handle(), &r);
    EXPECT_EQ(r.left, c.Expected.X);
    form->Hide();
    form->SetBounds(5, 5, 400, 300);
    form->Show();  // only the first time
    EXPECT_EQ(form->Left(), 5);
  }
  delete main;
}

TEST(ControlWindow, VisibleEnabledAndBiDiModeShowInTheChildWindow) {
  auto form = NewForm();
  form->Show();
  HWND box = form->Box1->Handle();
  form->Box1->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(box));
  form->Box1->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(box));
  form->Box1->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(box));
  EXPECT_FALSE(form->Box1->CanFocus());
  form->Box1->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(box));
  form->Box1->SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(GetWindowLongPtrW(form->Box1->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
  // A control made invisible before its window exists gets a hidden window.
  auto* hidden = new TTestBox(form.get());
  hidden->SetVisible(false);
  hidden->SetParent(form.get());
  EXPECT_TRUE(hidden->HandleAllocated());
  EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
  EXPECT_FALSE(hidden->Showing());
  EXPECT_TRUE(form->Box1->Showing());
}

TEST(ControlWindow, ColorAndFontAreHandedDownToChildrenThatFollowTheirParent) {
  auto form = NewForm();
  auto* button = new TTestButton(form.get());
  button->SetParent(form->Box1);
  form->Show();
  TTestShape& shape = *form->Shape1;  // on Box1
  shape.SetParentColor(true);
  form->Box1->SetColor(clMaroon);
  EXPECT_EQ(shape.Color(), clMaroon);
  shape.SetColor(clOlive);  // its own colour ends following
  EXPECT_FALSE(shape.ParentColor());
  form->Box1->SetColor(clNavy);
  EXPECT_EQ(shape.Color(), clOlive);

  form->Font()->SetHeight(-19);
  EXPECT_EQ(form->Box1->Font()->Height(), -19);
  EXPECT_EQ(button->Font()->Height(), -19);
  // The native control draws with the new font at once.
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(button->Handle(), WM_GETFONT, 0, 0)), button->Font()->Handle());
  LOGFONTW used{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(button->Handle(), WM_GETFONT, 0, 0)), sizeof(used), &used);
  EXPECT_EQ(used.lfHeight, -19);
  button->Font()->SetHeight(-9);
  EXPECT_FALSE(button->ParentFont());
  form->Font()->SetHeight(-21);
  EXPECT_EQ(button->Font()->Height(), -9);
  EXPECT_EQ(form->Box1->Font()->Height(), -21);
}

TEST(ControlWindow, ClientAndScreenCoordinatesAgreeForWindowedAndGraphicControls) {
  auto form = NewForm();
  form->Show();
  const TPoint shapeOrigin = form->Shape1->ClientToScreen(TPoint{0, 0});
  const TPoint viaBox = form->Box1->ClientToScreen(TPoint{form->Shape1->Left(), form->Shape1->Top()});
  EXPECT_EQ(shapeOrigin.X, viaBox.X);
  EXPECT_EQ(shapeOrigin.Y, viaBox.Y);
  POINT box{0, 0};
  ClientToScreen(form->Box1->Handle(), &box);
  const TPoint boxOrigin = form->Box1->ClientToScreen(TPoint{0, 0});
  EXPECT_EQ(boxOrigin.X, box.x);
  EXPECT_EQ(boxOrigin.Y, box.y);
  const TPoint back = form->Shape1->ScreenToClient(TPoint{shapeOrigin.X + 3, shapeOrigin.Y + 4});
  EXPECT_EQ(back.X, 3);
  EXPECT_EQ(back.Y, 4);
  EXPECT_EQ(GetParentForm(form->Shape1), form.get());
  EXPECT_EQ(GetParentForm(nullptr), nullptr);
}

TEST(FormWindow, AnIconChangedInPlaceShowsAtOnce) {
  auto form = NewForm();
  HWND window = form->Handle();
  auto shown = [&] { return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0)); };
  EXPECT_EQ(shown(), Application->Icon()->Handle());
  form->Icon()->AssignHandle(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
  ASSERT_FALSE(form->Icon()->Empty());
  EXPECT_EQ(shown(), form->Icon()->Handle());
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), form->Icon()->Handle());
  form->Icon()->Clear();
  EXPECT_EQ(shown(), Application->Icon()->Handle()) << "empty again: the application's";
}

TEST(FormWindow, TheFormAndEverythingItOwnsAreDestroyingWhenOnDestroyRuns) {
  auto* form = NewForm().release();
  auto* button = new TTestButton(form);
  button->SetParent(form->Box1);
  form->Show();
  std::vector<bool> seen;
  int fontChanges = 0;
  form->SetOnDestroy([&](TObject*) {
    for (const TComponent* c : {static_cast<const TComponent*>(form), static_cast<const TComponent*>(form->Box1),
                                static_cast<const TComponent*>(form->Shape1), static_cast<const TComponent*>(button)})
      seen.push_back(c->ComponentState().Contains(csDestroying));
    // A change now reaches no window that is about to go.
    TMessageRecorder recorder(*button);
    button->Font()->SetHeight(-30);
    fontChanges = recorder.Count(WM_SETFONT);
  });
  delete form;
  EXPECT_EQ(seen, (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(fontChanges, 0);
}
