#pragma once
#include <string>

// A fresh GUID in registry form, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; throws ESkinError("ERROR")
// when the system cannot make or format one.
std::string NewGuidText();
// The system's temporary directory with a trailing separator, followed by a fresh GUID text.
std::string NewTempFileName();
// The system's temporary directory, ending with a separator.
std::string TempDirectory();
