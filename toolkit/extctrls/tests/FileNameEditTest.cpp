// The file-name edit: its browse button's place, and the open dialog it runs, played by a timer.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "ExtTestSupport.h"
#include "FileNameEdit.h"
#include "InnerEdit.h"
#include "SpeedButton.h"
#include "TextEncoding.h"

namespace {

// Plays the user of the next "#32770" window of this thread: Action runs with it from a timer the
// dialog's own loop dispatches. A dialog still open 5 s later is cancelled and fails the test.
class TDialogPlayer {
public:
  explicit TDialogPlayer(std::function<void(HWND)> Action) : FAction(std::move(Action)) {
    gPlayer = this;
    FTimer = SetTimer(nullptr, 0, 100, &TDialogPlayer::Tick);
  }
  ~TDialogPlayer() {
    KillTimer(nullptr, FTimer);
    gPlayer = nullptr;
  }
  bool Acted() const { return FActed; }

private:
  static HWND FindDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND Window, LPARAM Data) -> BOOL {
          wchar_t name[16] = {};
          GetClassNameW(Window, name, 16);
          if (std::wstring(name) == L"#32770" && IsWindowVisible(Window)) {
            *reinterpret_cast<HWND*>(Data) = Window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    TDialogPlayer* self = gPlayer;
    if (!self) return;
    HWND dialog = FindDialog();
    if (!dialog) return;
    ++self->FTicks;
    if (!self->FActed) {
      self->FActed = true;
      try {
        self->FAction(dialog);
      } catch (...) {
        ADD_FAILURE() << "the dialog action raised";
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      }
    } else if (self->FTicks > 50) {
      ADD_FAILURE() << "the dialog is still open; cancelling it";
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
  }
  static inline TDialogPlayer* gPlayer = nullptr;
  std::function<void(HWND)> FAction;
  UINT_PTR FTimer;
  bool FActed = false;
  int FTicks = 0;
};

HWND FindChildOfClass(HWND Parent, const wchar_t* ClassName) {
  struct TSearch {
    const wchar_t* Name;
    HWND Found;
  } search{ClassName, nullptr};
  EnumChildWindows(
      Parent,
      [](HWND Window, LPARAM Data) -> BOOL {
        auto* s = reinterpret_cast<TSearch*>(Data);
        wchar_t name[64] = {};
        GetClassNameW(Window, name, 64);
        if (_wcsicmp(name, s->Name) != 0) return TRUE;
        s->Found = Window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// The dialog's file name box (an edit inside the name combo box), given the file, then OK.
void TypeAndAccept(HWND Dialog, const std::wstring& Name) {
  HWND box = GetDlgItem(Dialog, 0x47C);
  HWND edit = box ? FindChildOfClass(box, L"Edit") : nullptr;
  if (!edit) edit = GetDlgItem(Dialog, 0x480);
  ASSERT_NE(edit, nullptr);
  SetWindowTextW(edit, Name.c_str());
  PostMessageW(Dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(Dialog, IDOK)));
}

std::string TempFile(const char* Name) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::string path = WideToUtf8(folder) + Name;
  FILE* file = _wfopen(Utf8ToWide(path).c_str(), L"wb");
  if (file) {
    std::fputs("skin", file);
    std::fclose(file);
  }
  return path;
}

struct TEditFixture {
  std::unique_ptr<TForm> Form = MakeHostForm(300, 100);
  TFileNameEdit* Edit;
  TEditFixture() {
    Edit = new TFileNameEdit(Form.get());
    Edit->SetBounds(51, 20, 113, 23);
    Edit->SetParent(Form.get());
    PumpMessages(10);
  }
  void ClickButton() {
    const POINT at = CentreOf(*Edit, *Edit->Button());
    ClickAt(*Edit, at.x, at.y);
  }
};

}  // namespace

TEST(FileNameEdit, HasA23PixelButtonAtTheRightOfTheText) {
  TEditFixture f;
  const TRect client = f.Edit->ClientRect();
  const TSpeedButton& button = *f.Edit->Button();
  EXPECT_EQ(button.Width(), 23);
  EXPECT_EQ(button.Left() + button.Width(), client.Right);
  EXPECT_EQ(button.Top(), 0);
  EXPECT_EQ(button.Height(), client.Height());
  RECT text;
  GetWindowRect(f.Edit->Edit()->Handle(), &text);
  MapWindowPoints(nullptr, f.Edit->Handle(), reinterpret_cast<POINT*>(&text), 2);
  EXPECT_EQ(text.left, 0);
  EXPECT_EQ(text.right, button.Left());
  // Resizing keeps the button at the right edge.
  f.Edit->SetWidth(200);
  EXPECT_EQ(f.Edit->Button()->Left() + 23, f.Edit->ClientWidth());
  EXPECT_TRUE(GetWindowLongPtrW(f.Edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST(FileNameEdit, TheTextIsTheFileNameAndChangesAreReported) {
  TEditFixture f;
  int changes = 0;
  f.Edit->SetOnChange([&changes](TObject*) { ++changes; });
  f.Edit->SetFileName("C:\\skins\\blue.mvx");
  EXPECT_EQ(changes, 1);
  wchar_t text[64] = {};
  GetWindowTextW(f.Edit->Edit()->Handle(), text, 64);
  EXPECT_STREQ(text, L"C:\\skins\\blue.mvx");
  EXPECT_EQ(f.Edit->Text(), "C:\\skins\\blue.mvx");
  SetWindowTextW(f.Edit->Edit()->Handle(), L"typed.mvx");
  EXPECT_EQ(f.Edit->FileName(), "typed.mvx");
  EXPECT_EQ(changes, 2);
  f.Edit->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(f.Edit->Edit()->Handle()));
  EXPECT_FALSE(f.Edit->Button()->Enabled());
}

TEST(FileNameEdit, TheButtonOpensTheOpenDialogAndCancelKeepsTheName) {
  TEditFixture f;
  f.Edit->SetFileName("C:\\keep\\me.mvx");
  f.Edit->SetDialogTitle("Pick a skin");
  std::wstring title;
  bool hasFileList = false;
  TDialogPlayer user([&](HWND Dialog) {
    wchar_t text[64] = {};
    GetWindowTextW(Dialog, text, 64);
    title = text;
    hasFileList = FindChildOfClass(Dialog, L"SysListView32") != nullptr;
    PostMessageW(Dialog, WM_COMMAND, IDCANCEL, 0);
  });
  f.ClickButton();
  EXPECT_TRUE(user.Acted());
  EXPECT_EQ(title, L"Pick a skin");
  EXPECT_TRUE(hasFileList);
  EXPECT_EQ(f.Edit->FileName(), "C:\\keep\\me.mvx");
}

TEST(FileNameEdit, AChosenFileReplacesTheTextWhenAccepted) {
  const std::string file = TempFile("vexa-filename-edit.mvx");
  struct Case {
    const char* Name;
    bool Accept;
    const char* Replacement;  // set by the handler, or null
  };
  const Case cases[] = {{"accepted", true, nullptr}, {"refused", false, nullptr}, {"changed", true, "other.mvx"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TEditFixture f;
    f.Edit->SetFilter("Skins (*.mvx)|*.mvx");
    f.Edit->SetFileName("old.mvx");
    std::string offered;
    f.Edit->SetOnAcceptFileName([&](TObject*, std::string& Value, bool& Accept) {
      offered = Value;
      Accept = c.Accept;
      if (c.Replacement) Value = c.Replacement;
    });
    TDialogPlayer user([&](HWND Dialog) { TypeAndAccept(Dialog, Utf8ToWide(file)); });
    f.ClickButton();
    ASSERT_TRUE(user.Acted());
    EXPECT_EQ(_stricmp(offered.c_str(), file.c_str()), 0) << offered;
    const std::string expected = !c.Accept ? "old.mvx" : c.Replacement ? c.Replacement : offered;
    EXPECT_EQ(f.Edit->FileName(), expected);
  }
  _wremove(Utf8ToWide(file).c_str());
}
