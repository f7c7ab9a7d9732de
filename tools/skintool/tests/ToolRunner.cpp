#include "ToolRunner.h"

#include <algorithm>
#include <stdexcept>

#include "FileStream.h"
#include "TempFileName.h"
#include "Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace fs = std::filesystem;

namespace {
fs::path OwnDirectory() {
#ifdef _WIN32
  wchar_t buffer[32768];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, 32768);
  return fs::path(std::wstring(buffer, n)).parent_path();
#else
  return fs::read_symlink("/proc/self/exe").parent_path();
#endif
}

fs::path ToolPath() {
#ifdef _WIN32
  return OwnDirectory() / "skintool.exe";
#else
  return OwnDirectory() / "skintool";
#endif
}

#ifdef _WIN32
// Quotes one argument so that CommandLineToArgvW gives it back unchanged.
std::wstring QuoteArgument(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out.push_back(c);
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

class Handle {
public:
  explicit Handle(HANDLE h) : FHandle(h) {}
  ~Handle() {
    if (FHandle != INVALID_HANDLE_VALUE && FHandle) CloseHandle(FHandle);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE Get() const { return FHandle; }

private:
  HANDLE FHandle;
};

int Spawn(const std::vector<std::string>& args, const fs::path& out, const fs::path& err) {
  std::wstring commandLine = QuoteArgument(ToolPath().wstring());
  for (const std::string& arg : args) commandLine += L" " + QuoteArgument(PathFromUtf8(arg).wstring());
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  Handle outFile(CreateFileW(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
  Handle errFile(CreateFileW(err.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr));
  Handle inFile(CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = inFile.Get();
  startup.hStdOutput = outFile.Get();
  startup.hStdError = errFile.Get();
  PROCESS_INFORMATION process{};
  // A heavily loaded machine can refuse a process start now and then; try a few times.
  DWORD error = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
      error = 0;
      break;
    }
    error = GetLastError();
    Sleep(200);
  }
  if (error) throw std::runtime_error("cannot start skintool (error " + std::to_string(error) + ")");
  Handle thread(process.hThread), child(process.hProcess);
  WaitForSingleObject(child.Get(), INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(child.Get(), &code);
  return static_cast<int>(code);
}
#else
int Spawn(const std::vector<std::string>& args, const fs::path& out, const fs::path& err) {
  const std::string tool = ToolPath().string();
  std::vector<char*> argv{const_cast<char*>(tool.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, tool.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) throw std::runtime_error("cannot start " + tool);
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
#endif
}  // namespace

TempDir::TempDir() : FPath(fs::temp_directory_path() / PathFromUtf8("skintool-test-" + NewGuidText())) {
  fs::create_directories(FPath);
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(FPath, ignored);
}

std::string TempDir::Path(const std::string& name) const {
  return Utf8FromPath(name.empty() ? FPath : FPath / PathFromUtf8(name));
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  fs::create_directories(PathFromUtf8(Path(name)).parent_path());
  FileStream::WriteAll(Path(name), bytes);
}

std::vector<std::string> TempDir::List(const std::string& sub) const {
  std::vector<std::string> names;
  for (const auto& item : fs::directory_iterator(PathFromUtf8(Path(sub))))
    names.push_back(Utf8FromPath(item.path().filename()));
  std::sort(names.begin(), names.end());
  return names;
}

ToolResult RunSkinTool(const std::vector<std::string>& args) {
  TempDir capture;
  ToolResult result;
  result.Exit = Spawn(args, PathFromUtf8(capture.Path("out")), PathFromUtf8(capture.Path("err")));
  result.Out = ReadBytes(capture.Path("out"));
  result.Err = ReadBytes(capture.Path("err"));
  return result;
}

std::string ReadBytes(const std::string& path) { return FileStream::ReadAll(path); }
