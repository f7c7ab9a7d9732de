// Making and freeing forms leaves no window and no GDI object behind.
#include <gtest/gtest.h>

#include <memory>

#include "FormsTestSupport.h"
#include "GdiObjectCount.h"
#include "MemoryDC.h"
#include "TestForms.h"

namespace {

// One form with everything that holds a system object: windows of both kinds, a native control
// with a font, a timer, a menu, an icon, brushes of changed colours, painting.
void FormRound(int Round) {
  auto* form = CreateFormFromResource<TSecondTestForm>(nullptr);
  auto* menu = new TTestMenu(form);
  form->SetMenu(menu);
  auto* button = new TTestButton(form);
  button->SetParent(form);
  button->SetBounds(300, 200, 80, 25);
  form->Font()->SetHeight(-12 - Round % 3);
  form->Box1->SetColor(static_cast<TColor>(0x102030 + Round));
  TIcon icon;
  icon.AssignHandle(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
  form->SetIcon(&icon);
  auto* timer = new TTimer(form);
  timer->SetInterval(5);
  timer->SetOnTimer([](TObject*) {});
  form->Show();
  form->SetBorderStyle(Round % 2 ? bsSingle : bsSizeable);  // recreates the windows
  form->Update();
  {
    const MemoryDC dc;
    SendMessageW(form->Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc.Get()),
                 reinterpret_cast<LPARAM>(button->Handle()));
  }
  PumpMessages(5);
  delete form;
}

}  // namespace

TEST(Leaks, FiftyFormsComeAndGoWithoutLeavingWindowsOrGdiObjects) {
  TExceptionLog errors;
  FormRound(0);  // the first round makes the process's lasting objects (classes, stock fonts)
  PumpMessages(20);
  const size_t gdi = CountGdiObjects();
  const int windows = CountThreadWindows();
  for (int round = 1; round <= 50; ++round) FormRound(round);
  PumpMessages(20);
  EXPECT_EQ(CountThreadWindows(), windows);
  EXPECT_LE(CountGdiObjects(), gdi);
  EXPECT_GT(gdi, 0u);
  EXPECT_TRUE(errors.Messages().empty());
}

TEST(Timer, TicksWhileEnabledAndStopsWhenDisabledOrFreed) {
  TExceptionLog errors;
  int ticks = 0;
  auto timer = std::make_unique<TTimer>(nullptr);
  timer->SetInterval(10);
  EXPECT_FALSE(timer->Running());  // no handler yet
  timer->SetOnTimer([&](TObject*) { ++ticks; });
  EXPECT_TRUE(timer->Running());
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  timer->SetEnabled(false);
  EXPECT_FALSE(timer->Running());
  const int stopped = ticks;
  PumpMessages(60);
  EXPECT_EQ(ticks, stopped);
  timer->SetEnabled(true);
  timer->SetInterval(0);
  EXPECT_FALSE(timer->Running());

  // A timer may free itself from its own event.
  TTimer* self = timer.release();
  self->SetInterval(10);
  bool freed = false;
  self->SetOnTimer([&](TObject*) {
    delete self;
    freed = true;
  });
  EXPECT_TRUE(PumpUntil([&] { return freed; }));
  PumpMessages(30);
  EXPECT_TRUE(errors.Messages().empty());
}
