#pragma once
#include <string>

// Opens a document, folder or link ("https://...", "mailto:...") with the shell's "open" verb,
// the way a double click in the shell would. True when the shell started something; false (no
// message shown) when the target does not exist or nothing is registered to open it.
bool ShellOpen(const std::string& Target);
