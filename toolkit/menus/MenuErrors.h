#pragma once
#include "ClassesErrors.h"

// Misuse of a menu tree (an item inserted twice, an index out of range) or a native menu call
// that failed.
class EMenuError : public EClassesError {
public:
  using EClassesError::EClassesError;
};
