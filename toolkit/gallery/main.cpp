// The toolkit gallery: every control of the toolkit on one main form, plus a modal second form.
//
//   gallery.exe                              runs interactively
//   gallery.exe --screenshot FILE [--page N] writes page N (default 0) of the main form as a BMP
//   gallery.exe --screenshot-all PREFIX      writes PREFIX-0.bmp ... one per page, in one run
//   gallery.exe --exercise-dialogs           opens and closes every dialog of the Dialogs page
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "Application.h"
#include "GalleryExercise.h"
#include "GalleryMainForm.h"
#include "GallerySecondForm.h"
#include "PageControl.h"
#include "Screenshot.h"
#include "TBitmap.h"
#include "TextEncoding.h"

namespace {

struct TOptions {
  enum TMode { omInteractive, omOne, omAll, omExercise } Mode = omInteractive;
  std::string Target;  // the file (omOne) or the prefix (omAll)
  int Page = 0;
};

// The first exception a handler raised during a screenshot run.
std::string HandlerError;

class TUsageError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  // LocalFree is the documented way to release CommandLineToArgvW's array.
  std::unique_ptr<LPWSTR, decltype(&LocalFree)> argv(CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
  std::vector<std::string> result;
  for (int i = 1; argv && i < count; ++i) result.push_back(WideToUtf8(argv.get()[i]));
  return result;
}

TOptions ParseOptions(const std::vector<std::string>& Args) {
  TOptions options;
  std::optional<int> page;
  for (size_t i = 0; i < Args.size(); ++i) {
    const std::string& arg = Args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= Args.size()) throw TUsageError(arg + " needs a value");
      return Args[++i];
    };
    if (arg == "--screenshot") {
      options.Mode = TOptions::omOne;
      options.Target = value();
    } else if (arg == "--screenshot-all") {
      options.Mode = TOptions::omAll;
      options.Target = value();
    } else if (arg == "--exercise-dialogs") {
      options.Mode = TOptions::omExercise;
    } else if (arg == "--page") {
      const std::string& text = value();
      try {
        size_t used = 0;
        page = std::stoi(text, &used);
        if (used != text.size()) throw std::invalid_argument(text);
      } catch (const std::exception&) {
        throw TUsageError("--page needs a number, not \"" + text + "\"");
      }
    } else {
      throw TUsageError("unknown argument \"" + arg + "\"");
    }
  }
  if (page && options.Mode != TOptions::omOne) throw TUsageError("--page goes with --screenshot");
  options.Page = page.value_or(0);
  return options;
}

// Shows the main form at a fixed place and writes each requested page as a BMP file.
void TakeScreenshots(TGalleryMainForm& Form, const std::vector<std::pair<int, std::string>>& Shots) {
  TPageControl& pages = *Form.PageControl();
  for (const auto& [page, file] : Shots)
    if (page < 0 || page >= pages.PageCount())
      throw TUsageError("page " + std::to_string(page) + " does not exist (there are " +
                        std::to_string(pages.PageCount()) + ")");
  // No file from an earlier run may pass for this run's.
  for (const auto& [page, file] : Shots) DeleteFileW(Utf8ToWide(file).c_str());
  Form.SetBounds(20, 20, TGalleryMainForm::kWidth, TGalleryMainForm::kHeight);
  Form.Show();
  SetForegroundWindow(Form.Handle());
  bool first = true;
  for (const auto& [page, file] : Shots) {
    pages.SetActivePageIndex(page);
    // The first page waits longer: the window's first showing also sizes and lays everything out.
    PaintCompletely(Form.Handle(), first ? 600 : 300);
    first = false;
    WriteBmpFile(*CaptureWindow(Form.Handle()), file);
  }
}

void Report(const std::string& Text, bool Interactive) {
  if (Interactive)
    MessageBoxW(nullptr, Utf8ToWide(Text).c_str(), L"Toolkit gallery", MB_OK | MB_ICONERROR);
  else
    fprintf(stderr, "gallery: %s\n", Text.c_str());
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TOptions options;
  try {
    options = ParseOptions(CommandLineArguments());
  } catch (const TUsageError& e) {
    fprintf(stderr,
            "gallery: %s\nusage: gallery [--screenshot FILE [--page N] | --screenshot-all PREFIX | "
            "--exercise-dialogs]\n",
            e.what());
    return 2;
  }
  const bool interactive = options.Mode == TOptions::omInteractive;
  try {
    // Unattended, an error inside a handler must fail the run instead of waiting on a message
    // box nobody will close.
    if (!interactive)
      Application->SetOnException([](TObject*, const std::exception& E) {
        if (HandlerError.empty()) HandlerError = E.what();
      });
    Application->Initialize();
    Application->SetTitle("Toolkit gallery");
    TGalleryMainForm* mainForm = nullptr;
    TGallerySecondForm* secondForm = nullptr;
    Application->CreateForm(mainForm);
    Application->CreateForm(secondForm);
    mainForm->SetSecondForm(secondForm);

    if (interactive) {
      Application->Run();
      return 0;
    }
    if (options.Mode == TOptions::omExercise) {
      const int faults = ExerciseDialogs(*mainForm, *secondForm);
      if (!HandlerError.empty()) throw std::runtime_error("in a handler: " + HandlerError);
      fflush(stdout);
      return faults ? 1 : 0;
    }
    std::vector<std::pair<int, std::string>> shots;
    if (options.Mode == TOptions::omOne) {
      shots.emplace_back(options.Page, options.Target);
    } else {
      for (int i = 0; i < mainForm->PageControl()->PageCount(); ++i)
        shots.emplace_back(i, options.Target + "-" + std::to_string(i) + ".bmp");
    }
    TakeScreenshots(*mainForm, shots);
    if (!HandlerError.empty()) throw std::runtime_error("in a handler: " + HandlerError);
    return 0;
  } catch (const TUsageError& e) {
    Report(e.what(), interactive);
    return 2;
  } catch (const std::exception& e) {
    Report(e.what(), interactive);
    return 1;
  }
}
