#include "OsVersion.h"

#include <windows.h>

namespace {
struct TOsVersion {
  DWORD Platform = 0, Major = 0, Minor = 0;
  TOsVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExW(&info)) {
#pragma GCC diagnostic pop
      Platform = info.dwPlatformId;
      Major = info.dwMajorVersion;
      Minor = info.dwMinorVersion;
    }
  }
};
// Computed during start-up, before any skinner runs.
const TOsVersion gVersion;
}  // namespace

bool IsWinNT() { return gVersion.Platform == VER_PLATFORM_WIN32_NT; }
bool IsWin95() { return gVersion.Platform == VER_PLATFORM_WIN32_WINDOWS && gVersion.Major == 4 && gVersion.Minor == 0; }
bool IsWinXP() { return IsWinNT() && gVersion.Major > 4 && gVersion.Minor != 0; }
bool IsWinVista() { return IsWinNT() && gVersion.Major == 6 && gVersion.Minor == 0; }
