// The window procedure: the common window class, exceptions inside handlers, native controls,
// painting of custom and graphic controls, and mouse routing.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "ControlMessages.h"
#include "FormsTestSupport.h"
#include "MemoryDC.h"
#include "Publisher.h"
#include "TestForms.h"
#include "WindowAttachment.h"

namespace {

std::unique_ptr<TSecondTestForm> ShownForm() {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  form->Show();
  PumpMessages(20);
  return form;
}

void ClickAt(HWND Window, int X, int Y) {
  SendMessageW(Window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(X, Y));
  SendMessageW(Window, WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
}

// A control whose window refuses to be made.
class TFailingBox : public TCustomControl {
  VEXA_CLASS(TFailingBox, TCustomControl)

public:
  explicit TFailingBox(TComponent* AOwner) : TCustomControl(AOwner) {}
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_CREATE) throw std::runtime_error("no window for this box");
    inherited::WndProc(Message);
  }
};

}  // namespace

VEXA_DEFINE_CLASS(TFailingBox) {}

TEST(WindowProc, FormsAndCustomControlsShareOneClassThatIsNotTForm) {
  auto form = ShownForm();
  wchar_t name[64];
  for (HWND window : {form->Handle(), form->Box1->Handle()}) {
    GetClassNameW(window, name, 64);
    EXPECT_STREQ(name, L"VexaWindow");
    EXPECT_STRNE(name, L"TForm");
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ToolkitWindowProc));
  }
  EXPECT_EQ(FindControl(form->Handle()), form.get());
  EXPECT_EQ(FindControl(form->Box1->Handle()), form->Box1);
  EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
}

TEST(WindowProc, AnExceptionInAHandlerReachesTheApplicationAndTheProgramGoesOn) {
  struct TCase {
    const char* Name;
    std::function<void(TSecondTestForm&, TTimer&)> Arrange;
    std::function<void(TSecondTestForm&)> Trigger;
    const char* Message;
  };
  const TCase cases[] = {
      {"click of a windowed control",
       [](TSecondTestForm& f, TTimer&) { f.Box1->SetOnClick([](TObject*) { throw std::runtime_error("box click"); }); },
       [](TSecondTestForm& f) { ClickAt(f.Box1->Handle(), 5, 5); }, "box click"},
      {"click of a graphic control",
       [](TSecondTestForm& f, TTimer&) { f.Shape2->SetOnClick([](TObject*) { throw std::runtime_error("shape click"); }); },
       [](TSecondTestForm& f) { ClickAt(f.Handle(), f.Shape2->Left() + 2, f.Shape2->Top() + 2); }, "shape click"},
      {"paint",
       [](TSecondTestForm& f, TTimer&) { f.SetOnPaint([](TObject*) { throw std::runtime_error("paint"); }); },
       [](TSecondTestForm& f) {
         InvalidateRect(f.Handle(), nullptr, TRUE);
         UpdateWindow(f.Handle());
       },
       "paint"},
      {"timer",
       [](TSecondTestForm&, TTimer& t) {
         t.SetInterval(10);
         t.SetOnTimer([&t](TObject*) {
           t.SetEnabled(false);
           throw std::runtime_error("timer");
         });
       },
       [](TSecondTestForm&) { PumpMessages(60); }, "timer"},
      {"key-down handler",
       [](TSecondTestForm& f, TTimer&) {
         f.Box1->SetOnKeyDown([](TObject*, WORD&, TShiftState) { throw std::runtime_error("key"); });
       },
       [](TSecondTestForm& f) {
         PostMessageW(f.Box1->Handle(), WM_KEYDOWN, 'K', 0);
         PumpMessages(10);
       },
       "key"},
      {"exception of no standard type",
       [](TSecondTestForm& f, TTimer&) { f.Box1->SetOnClick([](TObject*) { throw 42; }); },
       [](TSecondTestForm& f) { ClickAt(f.Box1->Handle(), 5, 5); }, "An exception of unknown type was raised"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TExceptionLog errors;
    auto form = ShownForm();
    TTimer timer(nullptr);
    c.Arrange(*form, timer);
    c.Trigger(*form);
    PumpMessages(20);
    // Reported once: a failed paint was taken as done, not asked for again and again.
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], c.Message);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(form->Handle(), &update, FALSE));
    // The windows still work.
    EXPECT_EQ(SendMessageW(form->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Still here")), TRUE);
    EXPECT_EQ(form->Caption(), "Still here");
  }
}

TEST(WindowProc, AWindowThatFailsToBeMadeRaisesTheHandlersExceptionToTheCreator) {
  TExceptionLog errors;
  auto form = ShownForm();
  const int windows = CountThreadWindows();
  auto* box = new TFailingBox(form.get());
  EXPECT_THROW(
      try { box->SetParent(form.get()); } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "no window for this box");
        throw;
      },
      std::runtime_error);
  EXPECT_FALSE(box->HandleAllocated());
  EXPECT_EQ(CountThreadWindows(), windows);
  EXPECT_TRUE(errors.Messages().empty());  // raised to the creator, not reported
  box->SetParent(nullptr);
  delete box;
}

TEST(WindowProc, ANativeButtonReportsItsClickThroughTheReflectedCommand) {
  auto form = ShownForm();
  auto* button = new TTestButton(form.get());
  button->SetCaption("Press");
  button->SetParent(form.get());
  int clicks = 0;
  button->SetOnClick([&](TObject*) { ++clicks; });
  TMessageRecorder recorder(*button);

  wchar_t name[32];
  GetClassNameW(button->Handle(), name, 32);
  EXPECT_STREQ(name, L"Button");
  EXPECT_EQ(button->Caption(), "Press");
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(button->Handle(), WM_GETFONT, 0, 0)), button->Font()->Handle());
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(recorder.Count(CN_COMMAND), 1);
  // What the toolkit does not handle, the button's own procedure does.
  SendMessageW(button->Handle(), BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(SendMessageW(button->Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED);
  SetWindowTextW(button->Handle(), L"Changed");
  EXPECT_EQ(button->Caption(), "Changed");
  EXPECT_EQ(recorder.Count(CM_TEXTCHANGED), 1);
}

TEST(WindowProc, CtlColorOfANativeControlIsAnsweredFromItsColorAndFont) {
  auto form = ShownForm();
  auto* label = new TTestStatic(form.get());
  label->SetParent(form.get());
  label->SetColor(clYellow);
  label->Font()->SetColor(clRed);
  const MemoryDC memory;
  HDC dc = memory.Get();
  auto brushColor = [](LRESULT Brush) {
    LOGBRUSH info{};
    GetObjectW(reinterpret_cast<HBRUSH>(Brush), sizeof(info), &info);
    return info.lbColor;
  };
  LRESULT brush = SendMessageW(form->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label->Handle()));
  EXPECT_EQ(brushColor(brush), RGB(255, 255, 0));
  EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 0));
  label->SetColor(clBlue);
  brush = SendMessageW(form->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label->Handle()));
  EXPECT_EQ(brushColor(brush), RGB(0, 0, 255));
}

TEST(WindowProc, ACommonControlGetsItsNotificationsReflected) {
  auto form = ShownForm();
  auto* tabs = new TTestTabs(form.get());
  tabs->SetParent(form.get());
  wchar_t name[32];
  GetClassNameW(tabs->Handle(), name, 32);
  EXPECT_STREQ(name, WC_TABCONTROLW);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(L"First");
  SendMessageW(tabs->Handle(), TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  item.pszText = const_cast<wchar_t*>(L"Second");
  SendMessageW(tabs->Handle(), TCM_INSERTITEMW, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(SendMessageW(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);

  NMHDR header{tabs->Handle(), static_cast<UINT_PTR>(GetDlgCtrlID(tabs->Handle())), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(form->Handle(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(tabs->Notifications, (std::vector<UINT>{static_cast<UINT>(TCN_SELCHANGE)}));
  // A notification from a window the toolkit does not know goes to the default handling.
  NMHDR foreign{GetDesktopWindow(), 0, static_cast<UINT>(TCN_SELCHANGE)};
  EXPECT_EQ(SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&foreign)), 0);
  EXPECT_EQ(tabs->Notifications.size(), 1u);
}

TEST(WindowProc, CustomAndGraphicControlsArePaintedInTheirColours) {
  std::unique_ptr<TSecondTestForm> form(CreateFormFromResource<TSecondTestForm>(nullptr));
  form->SetColor(clAqua);
  form->Box1->SetColor(clRed);
  form->Shape1->SetColor(clLime);  // on Box1, at (20, 20)
  form->Shape2->SetColor(clBlue);  // on the form, at (250, 20)
  form->Show();
  form->Update();
  form->Box1->Update();
  PumpMessages(20);
  EXPECT_GT(form->Box1->PaintCount, 0);
  EXPECT_GT(form->Shape1->PaintCount, 0);
  EXPECT_EQ(ClientPixel(form->Handle(), 5, 250), RGB(0, 255, 255));
  EXPECT_EQ(ClientPixel(form->Box1->Handle(), 5, 5), RGB(255, 0, 0));
  EXPECT_EQ(ClientPixel(form->Box1->Handle(), 30, 30), RGB(0, 255, 0));
  EXPECT_EQ(ClientPixel(form->Handle(), 255, 25), RGB(0, 0, 255));
  // A hidden graphic control leaves its place to the parent's background.
  form->Shape2->SetVisible(false);
  form->Update();
  EXPECT_EQ(ClientPixel(form->Handle(), 255, 25), RGB(0, 255, 255));
}

TEST(WindowProc, TheParentHandsMouseMessagesToTheGraphicControlUnderThePointer) {
  auto form = ShownForm();
  TTestShape& shape = *form->Shape2;  // (250, 20) 40 x 40 on the form
  std::vector<std::string> events;
  shape.SetOnMouseDown([&](TObject*, TMouseButton, TShiftState, int X, int Y) {
    events.push_back("shape down " + std::to_string(X) + "," + std::to_string(Y));
  });
  shape.SetOnClick([&](TObject*) { events.push_back("shape click"); });
  form->SetOnClick([&](TObject*) { events.push_back("form click"); });

  ClickAt(form->Handle(), 260, 30);
  ClickAt(form->Handle(), 100, 250);
  EXPECT_EQ(events, (std::vector<std::string>{"shape down 10,10", "shape click", "form click"}));

  // Pressed on the shape and released elsewhere: the shape keeps the mouse and makes no click.
  events.clear();
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(260, 30));
  EXPECT_EQ(GetCapture(), form->Handle());
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 250));
  EXPECT_EQ(events, (std::vector<std::string>{"shape down 10,10"}));
  EXPECT_EQ(shape.Messages.back().Msg, static_cast<UINT>(WM_LBUTTONUP));
  EXPECT_EQ(GetCapture(), nullptr);

  // A disabled graphic control lets the click through to its parent.
  events.clear();
  shape.SetEnabled(false);
  ClickAt(form->Handle(), 260, 30);
  EXPECT_EQ(events, (std::vector<std::string>{"form click"}));
}

TEST(WindowProc, PerformGoesThroughTheWindowWhenThereIsOne) {
  auto form = ShownForm();
  TMessageRecorder recorder(*form->Box1);
  form->Box1->Perform(CM_MOUSEENTER);
  EXPECT_EQ(recorder.Count(CM_MOUSEENTER), 1);
  form->Shape1->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_EQ(form->Shape1->Messages.back().Msg, CM_MOUSEENTER);
  TTestBox windowless(nullptr);
  bool entered = false;
  windowless.SetOnMouseEnter([&](TObject*) { entered = true; });
  windowless.Perform(CM_MOUSEENTER);
  EXPECT_TRUE(entered);
  EXPECT_FALSE(windowless.HandleAllocated());
}

TEST(WindowProc, TextLivesInTheWindowAndSurvivesItsRecreation) {
  auto form = ShownForm();
  form->Box1->SetCaption("Before");
  EXPECT_EQ(form->Box1->Caption(), "Before");
  SetWindowTextW(form->Box1->Handle(), L"Typed \u00e9");
  EXPECT_EQ(form->Box1->Caption(), "Typed \xc3\xa9");
  form->Box1->RecreateWnd();
  wchar_t text[32];
  GetWindowTextW(form->Box1->Handle(), text, 32);
  EXPECT_STREQ(text, L"Typed \u00e9");
  auto* fresh = new TTestBox(form.get());
  fresh->SetCaption("Made with it");  // no window yet
  fresh->SetParent(form.get());
  GetWindowTextW(fresh->Handle(), text, 32);
  EXPECT_STREQ(text, L"Made with it");
}
