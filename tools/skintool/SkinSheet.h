#pragma once
#include <iosfwd>
#include <string>

// Renders one picture of a skin for its author: every bitmap with its key, the pieces the engine
// derives from them, and sample draws with the skin drawing routines. Writes a 24-bit BMP file.
// Windows only: it draws through GDI. Exit codes as the other subcommands.
int RunSheet(const std::string& archive, const std::string& outFile, const std::string& password, std::ostream& err);
