#pragma once
#include <cstddef>

// Number of GDI objects this process holds, stock objects excluded. GetGuiResources is a stub
// under Wine, so this reads the process's shared GDI handle table through the PEB: test code only.
size_t CountGdiObjects();
