#pragma once
#include <string>

// Writes `bytes` to a temporary file beside `path` and then renames it over `path`, so `path`
// holds either its old content or the complete new one. Throws SkinToolError naming `path`.
void WriteFileAtomically(const std::string& path, const std::string& bytes);
