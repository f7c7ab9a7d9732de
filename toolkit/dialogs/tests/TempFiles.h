#pragma once
#include <string>

// A folder under Base (by default the system's temporary folder), made empty for one test and
// removed afterwards with the files it holds. A file dialog accepted in the folder makes it the
// current directory, which could then not be removed: the destructor restores the current
// directory of the folder's construction first.
class TempFolder {
public:
  explicit TempFolder(const std::string& Name, const std::string& Base = "");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's full path, without a final backslash (UTF-8).
  const std::string& Path() const { return FPath; }
  // Creates an empty file in the folder; returns its full path.
  std::string AddFile(const std::string& Name) const;

private:
  std::string FPath;
  std::wstring FOldCurrentDir;
};

// The long form of an existing path, lower case, for comparing paths the system spelled.
std::string CanonicalPath(const std::string& Path);
