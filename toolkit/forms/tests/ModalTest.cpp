// Modal forms, closing, and the application's message loop.
#include <gtest/gtest.h>

#include <memory>

#include "FormsErrors.h"
#include "FormsTestSupport.h"
#include "Screen.h"
#include "TestForms.h"

namespace {

// A timer that runs Action once, after Interval milliseconds, from the message loop.
class TOneShot {
public:
  TOneShot(int Interval, std::function<void()> Action) : FTimer(nullptr) {
    FTimer.SetInterval(Interval);
    FTimer.SetOnTimer([this, Action](TObject*) {
      FTimer.SetEnabled(false);
      Action();
    });
  }

private:
  TTimer FTimer;
};

}  // namespace

TEST(ShowModal, ReturnsTheModalResultATimerSetsWithTheOtherFormsDisabledMeanwhile) {
  TExceptionLog errors;
  std::unique_ptr<TMainTestForm> owner(CreateFormFromResource<TMainTestForm>(nullptr));
  owner->Show();
  std::unique_ptr<TSecondTestForm> dialog(CreateFormFromResource<TSecondTestForm>(nullptr));
  bool ownerEnabledDuringModal = true;
  bool dialogVisibleDuringModal = false;
  TOneShot tick(30, [&] {
    ownerEnabledDuringModal = IsWindowEnabled(owner->Handle()) != FALSE;
    dialogVisibleDuringModal = IsWindowVisible(dialog->Handle()) != FALSE;
    dialog->SetModalResult(mrOk);
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(ownerEnabledDuringModal);
  EXPECT_TRUE(dialogVisibleDuringModal);
  EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog->Handle()));
  EXPECT_FALSE(dialog->Modal());
  EXPECT_TRUE(errors.Messages().empty());
}

TEST(ShowModal, CloseQueryCanRefuseAndCloseEndsWithCancel) {
  std::unique_ptr<TSecondTestForm> dialog(CreateFormFromResource<TSecondTestForm>(nullptr));
  int queries = 0;
  dialog->SetOnCloseQuery([&](TObject*, bool& CanClose) { CanClose = ++queries > 1; });
  int ticks = 0;
  TTimer timer(nullptr);
  timer.SetInterval(20);
  timer.SetOnTimer([&](TObject*) {
    if (++ticks == 1) dialog->SetModalResult(mrYes);  // refused by OnCloseQuery
    else dialog->Close();                              // accepted: mrCancel
  });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(queries, 2);
  EXPECT_EQ(ticks, 2);
}

TEST(ShowModal, RefusesAVisibleForm) {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  form->Show();
  EXPECT_THROW(form->ShowModal(), EInvalidOperation);
  EXPECT_TRUE(IsWindowEnabled(form->Handle()));
}

TEST(ShowModal, AQuitMessageEndsTheModalLoopWithCancelAndIsLeftForTheOuterLoop) {
  std::unique_ptr<TSecondTestForm> dialog(CreateFormFromResource<TSecondTestForm>(nullptr));
  TOneShot quit(20, [] { PostQuitMessage(3); });
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(Close, OnCloseDecidesWhatHappensToASecondaryForm) {
  struct TCase {
    TCloseAction Action;
    bool VisibleAfter;
    bool FreedAfter;
  };
  for (const TCase c : {TCase{caNone, true, false}, TCase{caHide, false, false}, TCase{caMinimize, true, false},
                        TCase{caFree, false, true}}) {
    SCOPED_TRACE(static_cast<int>(c.Action));
    auto* form = CreateFormFromResource<TSecondTestForm>(nullptr);
    bool freed = false;
    form->SetOnDestroy([&](TObject*) { freed = true; });
    form->SetOnClose([&](TObject*, TCloseAction& Action) { Action = c.Action; });
    form->Show();
    HWND window = form->Handle();
    SendMessageW(window, WM_CLOSE, 0, 0);
    PumpMessages(20);
    EXPECT_EQ(freed, c.FreedAfter);
    if (!freed) {
      EXPECT_EQ(IsWindowVisible(window) != FALSE, c.VisibleAfter);
      if (c.Action == caMinimize) {
        EXPECT_EQ(form->WindowState(), wsMinimized);
      }
      delete form;
    }
  }
}

TEST(Application, ClosingTheMainFormEndsRun) {
  TResourceOverride resources;
  TMainTestForm* main = nullptr;
  Application->CreateForm(main);
  bool closed = false;
  main->SetOnClose([&](TObject*, TCloseAction&) { closed = true; });
  TOneShot close(30, [&] { main->Close(); });
  Application->Run();  // returns only once the main form closed
  EXPECT_TRUE(closed);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(main->Events, (std::vector<std::string>{"loaded", "create", "show"}));
  delete main;
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(Application, KeyDownHandlersRunBeforeTheFocusedControlAndCanBeRemoved) {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  form->Show();
  form->Box1->SetTabStop(true);
  form->Box1->SetFocus();
  std::vector<std::string> order;
  form->Box1->SetOnKeyDown([&](TObject*, WORD& Key, TShiftState) { order.push_back("control " + std::to_string(Key)); });
  const TKeyDownHandlerId first = Application->AddKeyDownHandler([&](WORD& Key, TShiftState) {
    order.push_back("handler " + std::to_string(Key));
    if (Key == 'X') Key = 0;  // consumed: the control never sees it
  });
  PostMessageW(form->Box1->Handle(), WM_KEYDOWN, 'A', 0);
  PostMessageW(form->Box1->Handle(), WM_KEYDOWN, 'X', 0);
  PumpMessages(10);
  EXPECT_EQ(order, (std::vector<std::string>{"handler 65", "control 65", "handler 88"}));

  order.clear();
  Application->RemoveKeyDownHandler(first);
  PostMessageW(form->Box1->Handle(), WM_KEYDOWN, 'X', 0);
  PumpMessages(10);
  EXPECT_EQ(order, (std::vector<std::string>{"control 88"}));
}

TEST(Application, KeyPreviewShowsKeysToTheFormFirst) {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  form->Show();
  form->Box1->SetTabStop(true);
  form->Box1->SetFocus();
  std::vector<std::string> order;
  form->SetOnKeyDown([&](TObject*, WORD& Key, TShiftState) {
    order.push_back("form");
    if (Key == VK_ESCAPE) Key = 0;
  });
  form->Box1->SetOnKeyDown([&](TObject*, WORD&, TShiftState) { order.push_back("control"); });
  SendMessageW(form->Box1->Handle(), WM_KEYDOWN, 'A', 0);
  EXPECT_EQ(order, (std::vector<std::string>{"control"}));
  form->SetKeyPreview(true);
  order.clear();
  SendMessageW(form->Box1->Handle(), WM_KEYDOWN, 'A', 0);
  SendMessageW(form->Box1->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(order, (std::vector<std::string>{"form", "control", "form"}));
}

TEST(Application, TabMovesTheFocusThroughTheTabStopsInTabOrder) {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  auto* second = new TTestBox(form.get());
  second->SetParent(form.get());
  second->SetTabStop(true);
  auto* skipped = new TTestBox(form.get());  // no tab stop
  skipped->SetParent(form.get());
  auto* inner = new TTestBox(form.get());  // inside Box1
  inner->SetParent(form->Box1);
  inner->SetTabStop(true);
  form->Box1->SetTabStop(true);
  second->SetTabOrder(0);  // before Box1
  form->Show();
  second->SetFocus();

  std::vector<TWinControl*> visited;
  for (int i = 0; i < 4; ++i) {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    PumpMessages(5);
    visited.push_back(FindControl(GetFocus()));
  }
  EXPECT_EQ(visited, (std::vector<TWinControl*>{form->Box1, inner, second, form->Box1}));
  EXPECT_EQ(second->TabOrder(), 0);
  EXPECT_EQ(form->Box1->TabOrder(), 1);
}

TEST(Application, ActiveFlagsFollowActivation) {
  std::unique_ptr<TSecondTestForm> first(CreateFormFromResource<TSecondTestForm>(nullptr));
  std::unique_ptr<TSecondTestForm> second(CreateFormFromResource<TSecondTestForm>(nullptr));
  first->Show();
  second->Show();
  SetActiveWindow(first->Handle());
  EXPECT_TRUE(first->Active());
  EXPECT_FALSE(second->Active());
  EXPECT_EQ(Screen->ActiveForm(), first.get());
  SetActiveWindow(second->Handle());
  EXPECT_FALSE(first->Active());
  EXPECT_TRUE(second->Active());
  EXPECT_EQ(Screen->ActiveForm(), second.get());
  SendMessageW(second->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(Application->Active());
  SendMessageW(second->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  EXPECT_TRUE(Application->Active());
}
