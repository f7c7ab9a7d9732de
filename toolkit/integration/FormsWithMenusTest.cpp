// Two forms built in code with a main menu, a popup menu and timers; their stored values go
// through a form resource and back; the recreated forms work and announce their changes.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ControlMessages.h"
#include "Form.h"
#include "FormResource.h"
#include "FormsTestSupport.h"
#include "MainMenu.h"
#include "MenuItem.h"
#include "PopupMenu.h"
#include "Publisher.h"
#include "ShortCut.h"
#include "Timer.h"
#include "Writer.h"

class TMenuForm : public TForm {
  VEXA_CLASS(TMenuForm, TForm)

public:
  explicit TMenuForm(TComponent* AOwner) : TForm(AOwner) {
    MainMenu1 = Make<TMainMenu>("MainMenu1");
    FileItem = Make<TMenuItem>("FileItem");
    OpenItem = Make<TMenuItem>("OpenItem");
    Popup1 = Make<TPopupMenu>("Popup1");
    CopyItem = Make<TMenuItem>("CopyItem");
    Timer1 = Make<TTimer>("Timer1");
    MainMenu1->Items()->Add(FileItem);
    FileItem->Add(OpenItem);
    Popup1->Items()->Add(CopyItem);
    FileItem->SetCaption("&File");
    OpenItem->SetCaption("&Open");
    CopyItem->SetCaption("&Copy");
    OpenItem->SetOnClick([this](TObject*) { ++OpenClicks; });
    Timer1->SetOnTimer([this](TObject*) { ++Ticks; });
    SetMenuComponent(MainMenu1);
  }
  TMainMenu* MainMenu1;
  TMenuItem *FileItem, *OpenItem, *CopyItem;
  TPopupMenu* Popup1;
  TTimer* Timer1;
  int OpenClicks = 0, Ticks = 0;

private:
  template <class T>
  T* Make(const char* name) {
    auto* c = new T(this);
    c->SetName(name);
    return c;
  }
};

class TPlainForm : public TForm {
  VEXA_CLASS(TPlainForm, TForm)

public:
  explicit TPlainForm(TComponent* AOwner) : TForm(AOwner) {
    Timer2 = new TTimer(this);
    Timer2->SetName("Timer2");
  }
  TTimer* Timer2;
};

VEXA_DEFINE_CLASS(TMenuForm) {}
VEXA_DEFINE_CLASS(TPlainForm) {}

namespace {

std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, UINT(position), text, 64, MF_BYPOSITION);
  return text;
}

TEST(FormsWithMenus, StoredValuesComeBackAndTheRecreatedFormsWork) {
  TExceptionLog errors;
  TResourceOverride resources;
  {
    TMenuForm source(nullptr);
    source.SetCaption("Stored menu form");
    source.FileItem->SetCaption("&Datei");
    source.OpenItem->SetChecked(true);
    source.OpenItem->SetShortCut(ShortCut('O', TShiftState{ssCtrl}));
    source.Popup1->SetAutoPopup(false);
    source.Timer1->SetInterval(30);
    source.SetTag(11);
    resources.Set("TMenuForm", WriteComponentResource(source));
    TPlainForm second(nullptr);
    second.SetCaption("Second");
    second.Timer2->SetInterval(77);
    second.Timer2->SetEnabled(false);
    resources.Set("TPlainForm", WriteComponentResource(second));
  }

  std::unique_ptr<TMenuForm> form(CreateFormFromResource<TMenuForm>(nullptr));
  std::unique_ptr<TPlainForm> second(CreateFormFromResource<TPlainForm>(nullptr));
  EXPECT_EQ(form->Caption(), "Stored menu form");
  EXPECT_EQ(form->Tag(), 11);
  EXPECT_EQ(form->FileItem->Caption(), "&Datei");
  EXPECT_TRUE(form->OpenItem->Checked());
  EXPECT_EQ(ShortCutToText(form->OpenItem->ShortCut()), "Ctrl+O");
  EXPECT_FALSE(form->Popup1->AutoPopup());
  EXPECT_EQ(form->Timer1->Interval(), 30);
  EXPECT_EQ(second->Caption(), "Second");
  EXPECT_EQ(second->Timer2->Interval(), 77);
  EXPECT_FALSE(second->Timer2->Enabled());

  form->Show();
  second->Show();
  // The native bar shows the stored captions and check mark, and its commands reach the items.
  HMENU bar = GetMenu(form->Handle());
  ASSERT_EQ(bar, form->MainMenu1->Handle());
  EXPECT_EQ(MenuText(bar, 0), L"&Datei");
  HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(MenuText(file, 0).substr(0, 5), L"&Open");
  EXPECT_TRUE(GetMenuState(file, 0, MF_BYPOSITION) & MF_CHECKED);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(form->OpenItem->Command(), 0), 0);
  EXPECT_EQ(form->OpenClicks, 1);

  EXPECT_TRUE(PumpUntil([&] { return form->Ticks >= 2; }, 3000)) << "the stored timer runs";

  // The popup menu opens at a point and is closed by a timer.
  bool opened = false;
  form->Popup1->SetOnPopup([&](TObject*) { opened = true; });
  UINT_PTR closer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
  });
  form->Popup1->Popup(200, 200);
  KillTimer(nullptr, closer);
  EXPECT_TRUE(opened);
  EXPECT_TRUE(errors.Messages().empty());
}

TEST(FormsWithMenus, ASubclassedFormWindowSeesTheToolkitNotifications) {
  TMenuForm form(nullptr);
  form.Show();
  TMessageRecorder recorder(form);
  const struct {
    const char* what;
    UINT message;
    std::function<void()> change;
  } changes[] = {
      {"caption", CM_TEXTCHANGED, [&] { form.SetCaption("Changed"); }},
      {"enabled", CM_ENABLEDCHANGED, [&] { form.SetEnabled(false); }},
      {"visible", CM_VISIBLECHANGED, [&] { form.SetVisible(false); }},
      {"border", CM_BORDERCHANGED, [&] { form.SetBorderStyle(bsDialog); }},
  };
  for (const auto& c : changes) {
    recorder.Clear();
    c.change();
    PumpMessages();
    EXPECT_EQ(recorder.Count(c.message), 1) << c.what;
  }
}

TEST(FormsWithMenus, TheMenuBarOutlivesTheWindowsThatShowIt) {
  TMenuForm form(nullptr);
  form.Show();
  const HMENU bar = form.MainMenu1->Handle();
  const HWND first = form.Handle();
  form.SetBorderStyle(bsSingle);  // the window is made again
  ASSERT_NE(form.Handle(), first);
  EXPECT_TRUE(IsMenu(bar)) << "destroying the old window must not destroy the bar";
  EXPECT_EQ(GetMenu(form.Handle()), bar);
  SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(form.OpenItem->Command(), 0), 0);
  EXPECT_EQ(form.OpenClicks, 1);
  // A window destroyed from outside does not take the bar with it either.
  DestroyWindow(form.Handle());
  EXPECT_TRUE(IsMenu(bar));
}

}  // namespace
