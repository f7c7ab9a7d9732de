#pragma once
#include <iosfwd>
#include <string>

// The four subcommands of skintool. Each returns the process exit code and writes messages to `err`.
// Exit codes: 0 success, 1 "Failed to read skin file!", 2 "Wrong password!", 3 any other error.
enum : int { kExitOk = 0, kExitUnreadable = 1, kExitWrongPassword = 2, kExitOtherError = 3 };

// Extracts the archive's resource file to outFile; the exit code is ExtractSkinEntry's result.
int RunExtract(const std::string& archive, const std::string& outFile, const std::string& password, std::ostream& err);

// Lists the bitmaps, integers, booleans and strings of a skin archive as the engine reads them.
int RunDump(const std::string& archive, const std::string& password, std::ostream& out, std::ostream& err);

// Builds a skin archive from a skin folder; the archive is only replaced when everything is valid.
int RunPack(const std::string& folder, const std::string& archive, const std::string& password, std::ostream& err);

// Writes a skin folder holding every resource of a skin archive, bitmaps byte for byte.
int RunUnpack(const std::string& archive, const std::string& folder, const std::string& password, std::ostream& err);
