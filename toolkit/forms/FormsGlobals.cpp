// The process-wide Screen and Application. They are made together and go in a fixed order: the
// application (and the forms it owns) before the screen the forms report to.
#include <memory>

#include "Application.h"
#include "Screen.h"

TScreen* Screen = nullptr;
TApplication* Application = nullptr;

namespace {
struct TFormsGlobals {
  TFormsGlobals() {
    FScreen = std::make_unique<TScreen>(nullptr);
    Screen = FScreen.get();
    FApplication = std::make_unique<TApplication>(nullptr);
    Application = FApplication.get();
  }
  ~TFormsGlobals() {
    FApplication.reset();
    Application = nullptr;
    FScreen.reset();
    Screen = nullptr;
  }
  std::unique_ptr<TScreen> FScreen;
  std::unique_ptr<TApplication> FApplication;
};
const TFormsGlobals globals;
}  // namespace
