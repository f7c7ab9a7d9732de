#pragma once
#include <string>
#include <vector>

#include "Sk2Record.h"

// Lays out a complete SK2 resource file: header, then each record followed by its payload, then the
// terminator record. Throws SkinToolError for a name over 64 bytes or a file over 4 GB.
std::string BuildSk2File(const std::vector<Sk2Record>& records);
