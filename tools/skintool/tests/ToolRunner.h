#pragma once
#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary directory, removed with everything in it.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  // UTF-8 path of `name` inside the folder (the folder itself for an empty name).
  std::string Path(const std::string& name = {}) const;
  // Writes a file inside the folder, creating subfolders as needed.
  void Write(const std::string& name, const std::string& bytes) const;
  // File names directly inside `sub`, sorted.
  std::vector<std::string> List(const std::string& sub = {}) const;

private:
  std::filesystem::path FPath;
};

struct ToolResult {
  int Exit = -1;
  std::string Out, Err;
};

// Runs the skintool program built beside this test with the given arguments, its standard
// output and error captured through files.
ToolResult RunSkinTool(const std::vector<std::string>& args);

std::string ReadBytes(const std::string& path);
