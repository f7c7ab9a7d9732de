// The toolkit's notifications arrive as real messages at a window procedure installed over the
// toolkit's with SetWindowLongPtr, as a skinner installs one.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ControlMessages.h"
#include "FormsErrors.h"
#include "FormsTestSupport.h"
#include "Screen.h"
#include "TestForms.h"
#include "WindowAttachment.h"

namespace {

std::unique_ptr<TSecondTestForm> ShownForm() {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  form->Show();
  PumpMessages(30);
  return form;
}

struct TNotificationCase {
  const char* Name;
  UINT Expected;
  std::function<void(TSecondTestForm&)> Act;
};

}  // namespace

TEST(Notifications, EachChangeOfAFormReachesItsSubclassedWindowOnce) {
  const TNotificationCase cases[] = {
      {"Visible", CM_VISIBLECHANGED, [](TSecondTestForm& f) { f.Hide(); }},
      {"Enabled", CM_ENABLEDCHANGED, [](TSecondTestForm& f) { f.SetEnabled(false); }},
      {"Caption", CM_TEXTCHANGED, [](TSecondTestForm& f) { f.SetCaption("Another caption"); }},
      {"text set from outside", CM_TEXTCHANGED, [](TSecondTestForm& f) { SetWindowTextW(f.Handle(), L"Outside"); }},
      {"Color", CM_COLORCHANGED, [](TSecondTestForm& f) { f.SetColor(clYellow); }},
      {"Font", CM_FONTCHANGED, [](TSecondTestForm& f) { f.Font()->SetHeight(-20); }},
      {"BorderStyle", CM_BORDERCHANGED, [](TSecondTestForm& f) { f.SetBorderStyle(bsToolWindow); }},
      {"BorderIcons", CM_BORDERCHANGED, [](TSecondTestForm& f) { f.SetBorderIcons(TBorderIcons{biSystemMenu}); }},
      {"RecreateWnd", CM_RECREATEWND, [](TSecondTestForm& f) { f.RecreateWnd(); }},
  };
  TExceptionLog errors;
  for (const TNotificationCase& c : cases) {
    SCOPED_TRACE(c.Name);
    auto form = ShownForm();
    TMessageRecorder recorder(*form);
    c.Act(*form);
    PumpMessages(10);
    EXPECT_EQ(recorder.Count(c.Expected), 1);
  }
  EXPECT_TRUE(errors.Messages().empty());
}

TEST(Notifications, ABorderChangeAnnouncesTheRecreationAndKeepsTheSubclassOnTheNewWindow) {
  auto form = ShownForm();
  HWND oldForm = form->Handle();
  HWND oldBox = form->Box1->Handle();
  TMessageRecorder formRecorder(*form);
  TMessageRecorder boxRecorder(*form->Box1);
  form->SetBorderStyle(bsSingle);

  HWND newForm = form->Handle();
  ASSERT_NE(newForm, oldForm);
  EXPECT_FALSE(IsWindow(oldForm));
  EXPECT_TRUE(IsWindowVisible(newForm));
  ASSERT_GE(formRecorder.IndexOf(CM_RECREATEWND), 0);
  EXPECT_LT(formRecorder.IndexOf(CM_RECREATEWND), formRecorder.IndexOf(CM_BORDERCHANGED));
  EXPECT_EQ(formRecorder.Log()[static_cast<size_t>(formRecorder.IndexOf(CM_BORDERCHANGED))].Msg, CM_BORDERCHANGED);
  EXPECT_EQ(formRecorder.Windows(), (std::vector<HWND>{oldForm, newForm}));
  // The new window has the new frame, and the installed procedure on top of the toolkit's.
  EXPECT_FALSE(GetWindowLongPtrW(newForm, GWL_STYLE) & WS_THICKFRAME);
  EXPECT_NE(GetWindowLongPtrW(newForm, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ToolkitWindowProc));
  // A child's window is made again with its parent's, its subclass kept too.
  EXPECT_NE(form->Box1->Handle(), oldBox);
  EXPECT_EQ(GetParent(form->Box1->Handle()), newForm);
  formRecorder.Clear();
  boxRecorder.Clear();
  SendMessageW(newForm, WM_NULL, 0, 0);
  SendMessageW(form->Box1->Handle(), WM_NULL, 0, 0);
  EXPECT_EQ(formRecorder.Count(WM_NULL), 1);
  EXPECT_EQ(boxRecorder.Count(WM_NULL), 1);
}

TEST(Notifications, ASubclassThatDropsTheRecreationMessageKeepsTheWindow) {
  auto form = ShownForm();
  HWND window = form->Handle();
  TMessageRecorder recorder(*form);
  recorder.Drop = {CM_RECREATEWND};
  form->SetBorderStyle(bsSingle);
  EXPECT_EQ(form->Handle(), window);
  EXPECT_EQ(recorder.Count(CM_RECREATEWND), 1);
  EXPECT_EQ(form->BorderStyle(), bsSingle);
}

TEST(Notifications, FocusMovesSendEnterAndExitToEachWindow) {
  auto form = ShownForm();
  form->Box1->SetTabStop(true);
  auto* other = new TTestBox(form.get());
  other->SetParent(form.get());
  other->SetBounds(220, 150, 60, 40);
  other->SetTabStop(true);
  TMessageRecorder formRecorder(*form);
  TMessageRecorder boxRecorder(*form->Box1);
  TMessageRecorder otherRecorder(*other);

  auto clearAll = [&] {
    formRecorder.Clear();
    boxRecorder.Clear();
    otherRecorder.Clear();
  };
  form->Box1->SetFocus();
  EXPECT_EQ(boxRecorder.Count(CM_ENTER), 1);
  EXPECT_TRUE(form->Box1->Focused());
  EXPECT_EQ(form->ActiveControl(), form->Box1);
  EXPECT_EQ(Screen->ActiveForm(), form.get());
  EXPECT_EQ(Screen->ActiveControl(), form->Box1);

  clearAll();
  SetFocus(form->Handle());  // the form's own window
  EXPECT_EQ(boxRecorder.Count(CM_EXIT), 1);
  EXPECT_EQ(formRecorder.Count(CM_ENTER), 1);
  EXPECT_EQ(formRecorder.Count(CM_EXIT), 0);

  clearAll();
  other->SetFocus();
  EXPECT_EQ(formRecorder.Count(CM_EXIT), 1);
  EXPECT_EQ(otherRecorder.Count(CM_ENTER), 1);
  EXPECT_EQ(boxRecorder.Log().size(), 0u);
  EXPECT_EQ(form->ActiveControl(), other);
  // Freeing the active control leaves the form without one, not with a dangling one.
  delete other;
  EXPECT_EQ(form->ActiveControl(), nullptr);
}

TEST(Notifications, AParentChangeReachesTheMovedWindowWhichKeepsItsHandle) {
  auto form = ShownForm();
  auto* target = new TTestBox(form.get());
  target->SetParent(form.get());
  target->SetBounds(220, 130, 150, 100);
  auto* moved = new TTestBox(form.get());
  moved->SetParent(form->Box1);
  HWND window = moved->Handle();
  TMessageRecorder recorder(*moved);
  moved->SetParent(target);
  EXPECT_EQ(recorder.Count(CM_PARENTCHANGED), 1);
  EXPECT_EQ(moved->Handle(), window);
  EXPECT_EQ(GetParent(window), target->Handle());
  EXPECT_EQ(target->ControlCount(), 1);
  EXPECT_FALSE(form->Box1->ContainsControl(moved));
  EXPECT_THROW(target->SetParent(moved), EInvalidOperation);
}

TEST(Notifications, ReleaseFreesTheFormAfterTheHandlerThatAskedReturns) {
  auto form = ShownForm();
  TSecondTestForm* released = form.release();
  HWND window = released->Handle();
  bool destroyed = false;
  bool aliveAfterRelease = false;
  released->SetOnDestroy([&](TObject*) { destroyed = true; });
  TMessageRecorder recorder(*released);
  released->Box1->SetOnClick([&](TObject*) {
    released->Release();
    aliveAfterRelease = !destroyed && released->Caption() == released->Caption();
  });
  SendMessageW(released->Box1->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(released->Box1->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(aliveAfterRelease);
  EXPECT_FALSE(destroyed);
  EXPECT_TRUE(PumpUntil([&] { return destroyed; }));
  EXPECT_EQ(recorder.Count(CM_RELEASE), 1);
  EXPECT_FALSE(IsWindow(window));
}

TEST(Notifications, MouseEnterAndLeaveFollowThePointerOverWindowsAndGraphicControls) {
  auto form = ShownForm();
  SetForegroundWindow(form->Handle());
  std::vector<std::string> shapeEvents;
  form->Shape2->SetOnMouseEnter([&](TObject*) { shapeEvents.push_back("enter"); });
  form->Shape2->SetOnMouseLeave([&](TObject*) { shapeEvents.push_back("leave"); });
  TMessageRecorder formRecorder(*form);
  TMessageRecorder boxRecorder(*form->Box1);

  const TPoint box = form->Box1->ClientToScreen(TPoint{100, 100});
  SetCursorPos(box.X, box.Y);
  EXPECT_TRUE(PumpUntil([&] { return boxRecorder.Count(CM_MOUSEENTER) == 1; }));
  const TPoint shape = form->ClientToScreen(TPoint{form->Shape2->Left() + 5, form->Shape2->Top() + 5});
  SetCursorPos(shape.X, shape.Y);
  EXPECT_TRUE(PumpUntil([&] { return boxRecorder.Count(CM_MOUSELEAVE) == 1 && !shapeEvents.empty(); }));
  EXPECT_EQ(formRecorder.Count(CM_MOUSEENTER), 1);
  SetCursorPos(form->Left() + form->Width() + 200, form->Top() + form->Height() + 200);
  EXPECT_TRUE(PumpUntil([&] { return formRecorder.Count(CM_MOUSELEAVE) == 1; }));
  EXPECT_EQ(shapeEvents, (std::vector<std::string>{"enter", "leave"}));
  EXPECT_EQ(boxRecorder.Count(CM_MOUSEENTER), 1);
}

TEST(Notifications, AChildTakenOffItsParentLosesItsWindowUntilItGetsAParentAgain) {
  auto form = ShownForm();
  auto* box = new TTestBox(form.get());
  box->SetParent(form.get());
  ASSERT_NE(box->Handle(), nullptr);
  box->SetParent(nullptr);
  EXPECT_FALSE(box->HandleAllocated());
  box->SetParent(form.get());
  EXPECT_TRUE(box->HandleAllocated());
  EXPECT_EQ(GetParent(box->Handle()), form->Handle());
}
