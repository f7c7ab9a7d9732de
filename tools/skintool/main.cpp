// skintool: packs skin folders into skin archives and takes archives apart again.
#include <iostream>
#include <string>
#include <vector>

#include "ToolCommands.h"
#ifdef _WIN32
#include "SkinSheet.h"
#endif

#ifdef _WIN32
#include <windows.h>  // before shellapi.h, which needs its types

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace {
constexpr int kExitUsage = 64;

const char kUsage[] =
    "usage: skintool extract ARCHIVE OUTFILE [--password P]\n"
    "       skintool dump ARCHIVE [--password P]\n"
    "       skintool pack FOLDER ARCHIVE [--password P]\n"
    "       skintool unpack ARCHIVE FOLDER [--password P]\n"
#ifdef _WIN32
    "       skintool sheet ARCHIVE OUT.bmp [--password P]\n"
#endif
    "\n"
    "extract  writes the archive's SKINDATA.SK2 to OUTFILE (exit 0, 1 unreadable, 2 wrong password)\n"
    "dump     lists the archive's bitmaps, integers, booleans and strings\n"
    "pack     builds ARCHIVE from FOLDER (skin.txt and BMP files)\n"
    "unpack   writes every resource of ARCHIVE into FOLDER as skin.txt and BMP files\n"
#ifdef _WIN32
    "sheet    draws every bitmap, derived piece and sample draw of the skin into one BMP picture\n"
#endif
    ;

// The arguments as UTF-8, which is what the file code takes on every platform.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  std::vector<std::string> args;
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  for (int i = 1; wide && i < count; ++i) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), n, nullptr, nullptr);
    args.push_back(std::move(arg));
  }
  LocalFree(wide);
  return args;
#else
  return std::vector<std::string>(argv + 1, argv + argc);
#endif
}

int UsageError(const std::string& problem) {
  std::cerr << "skintool: " << problem << "\n" << kUsage;
  return kExitUsage;
}
}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // Byte-identical output on every platform: "\n" stays "\n".
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  const std::vector<std::string> args = Utf8Arguments(argc, argv);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kUsage;
    return kExitOk;
  }
  if (args.empty()) return UsageError("no command given");

  const std::string& command = args[0];
  std::vector<std::string> operands;
  std::string password;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--password") {
      if (++i == args.size()) return UsageError("--password needs a value");
      password = args[i];
    } else if (args[i].rfind("--", 0) == 0) {
      return UsageError("unknown option " + args[i]);
    } else {
      operands.push_back(args[i]);
    }
  }

  const size_t wanted = command == "dump" ? 1 : 2;
  bool known = command == "extract" || command == "dump" || command == "pack" || command == "unpack";
#ifdef _WIN32
  known = known || command == "sheet";
#endif
  if (!known)
    return UsageError("unknown command " + command);
  if (operands.size() != wanted) return UsageError(command + " takes " + std::to_string(wanted) + " file names");

  if (command == "extract") return RunExtract(operands[0], operands[1], password, std::cerr);
  if (command == "dump") return RunDump(operands[0], password, std::cout, std::cerr);
#ifdef _WIN32
  if (command == "sheet") return RunSheet(operands[0], operands[1], password, std::cerr);
#endif
  if (command == "pack") return RunPack(operands[0], operands[1], password, std::cerr);
  return RunUnpack(operands[0], operands[1], password, std::cerr);
}
