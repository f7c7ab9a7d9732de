#include "GalleryExercise.h"

#include <windows.h>

#include <cstdio>
#include <iterator>
#include <set>
#include <string>

#include "Button.h"
#include "GalleryMainForm.h"
#include "GallerySecondForm.h"
#include "TextEncoding.h"
#include "Timer.h"

namespace {

std::wstring ClassOf(HWND Window) {
  wchar_t name[128] = {};
  GetClassNameW(Window, name, 128);
  return name;
}

// Enumeration callbacks: nothing may escape them into the system's code.
BOOL CALLBACK FindVisibleDialog(HWND Window, LPARAM Found) {
  try {
    if (IsWindowVisible(Window) && ClassOf(Window) == L"#32770") {
      *reinterpret_cast<HWND*>(Found) = Window;
      return FALSE;
    }
  } catch (...) {
  }
  return TRUE;
}

BOOL CALLBACK CollectClass(HWND Window, LPARAM Classes) {
  try {
    reinterpret_cast<std::set<std::wstring>*>(Classes)->insert(ClassOf(Window));
  } catch (...) {
  }
  return TRUE;
}

// A system dialog of this thread that is showing now, or null.
HWND ShowingDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

struct TSeen {
  HWND Dialog = nullptr;
  int Ticks = 0;
  std::set<std::wstring> Classes;
  std::string Title;
  bool SecondForm = false;
};

struct TCase {
  const char* Name;
  const wchar_t* Child;  // a class the opened dialog must contain; null: the second form opens
  std::string Status;    // what the main form reports afterwards
};

}  // namespace

int ExerciseDialogs(TGalleryMainForm& Form, TGallerySecondForm& Second) {
  const TCase cases[] = {
      {"message box", L"Button", "Answer: cancelled"},
      {"open file", L"SHELLDLL_DefView", "Open cancelled"},
      {"colour", L"Edit", "Colour cancelled"},
      // The folder browser shows its tree directly in the dialog (Wine has no namespace control).
      {"folder", L"SysTreeView32", "Folder cancelled"},
      {"second form", nullptr, "Second form: OK, \"Wine\""},
  };
  int faults = 0;
  if (Form.DialogButtons().size() != std::size(cases)) {
    std::printf("FAIL: %zu dialog buttons, expected %zu\n", Form.DialogButtons().size(), std::size(cases));
    return 1;
  }
  Form.Show();
  TSeen seen;
  TTimer closer(nullptr);
  closer.SetInterval(150);
  // Let a dialog show one tick before looking inside it and closing it.
  closer.SetOnTimer([&seen, &Second](TObject*) {
    if (HWND dialog = ShowingDialog()) {
      if (dialog != seen.Dialog) {
        seen = TSeen{};
        seen.Dialog = dialog;
        return;
      }
      if (seen.Ticks == 0) {
        EnumChildWindows(dialog, &CollectClass, reinterpret_cast<LPARAM>(&seen.Classes));
        wchar_t title[128] = {};
        GetWindowTextW(dialog, title, 128);
        seen.Title = WideToUtf8(title);
      }
      // Cancel, and again now and then should the dialog not have been ready for it.
      if (seen.Ticks++ % 10 == 0) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    } else if (Second.Showing() && Second.Modal()) {
      if (!seen.SecondForm) {
        seen.SecondForm = true;
        Second.SetAnswer("Wine");
        Second.OkButton()->Click();
      } else if (++seen.Ticks > 10) {
        Second.Close();  // OK did not end the modal loop: end it here, the report shows it
      }
    }
  });
  for (size_t i = 0; i < std::size(cases); ++i) {
    const TCase& c = cases[i];
    seen = TSeen{};
    Form.ShowStatus("");
    Form.DialogButtons()[i]->Click();
    std::string problem;
    if (c.Child && !seen.Dialog) problem = "no dialog opened";
    else if (c.Child && !seen.Classes.count(c.Child)) problem = "the dialog has no " + WideToUtf8(c.Child);
    else if (!c.Child && !seen.SecondForm) problem = "the second form did not show modally";
    else if (Form.StatusText() != c.Status) problem = "status \"" + Form.StatusText() + "\", expected \"" + c.Status + "\"";
    std::printf("%s %s%s%s\n", problem.empty() ? "ok  " : "FAIL", c.Name,
                seen.Title.empty() ? "" : (" (\"" + seen.Title + "\")").c_str(),
                problem.empty() ? "" : (": " + problem).c_str());
    if (!problem.empty()) ++faults;
  }
  closer.SetEnabled(false);
  return faults;
}
