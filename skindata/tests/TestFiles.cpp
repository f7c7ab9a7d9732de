#include "TestFiles.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

#ifdef _WIN32
#include <windows.h>
static const char* const kVars[2] = {"TMP", "TEMP"};
static std::string GetVar(const char* name) {
  char buffer[1024];
  DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return n && n < sizeof buffer ? std::string(buffer, n) : std::string();
}
static void SetVar(const char* name, const std::string& value) {
  SetEnvironmentVariableA(name, value.empty() ? nullptr : value.c_str());
}
static const char kSep = '\\';
#else
static const char* const kVars[2] = {"TMPDIR", "TMP"};
static std::string GetVar(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}
static void SetVar(const char* name, const std::string& value) {
  if (value.empty())
    unsetenv(name);
  else
    setenv(name, value.c_str(), 1);
}
static const char kSep = '/';
#endif

namespace testfiles {

PrivateTempDir::PrivateTempDir() {
  fs::path base = fs::temp_directory_path() / ("vexa-test-" + NewGuidText());
  fs::create_directories(base);
  FPath = base.string() + kSep;
  for (int i = 0; i < 2; ++i) {
    FSaved[i] = GetVar(kVars[i]);
    SetVar(kVars[i], base.string());
  }
}

PrivateTempDir::~PrivateTempDir() {
  for (int i = 0; i < 2; ++i) SetVar(kVars[i], FSaved[i]);
  std::error_code ignored;
  fs::remove_all(FPath, ignored);
}

std::vector<std::string> PrivateTempDir::List() const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(FPath)) names.push_back(entry.path().filename().string());
  return names;
}

}  // namespace testfiles
