#pragma once
#include <stdexcept>
#include <string>

// A request the control cannot serve in its present state (focusing a hidden control, showing a
// visible form modally, a child control without a parent window).
class EInvalidOperation : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The platform refused to make a window, a timer or another system object.
class EOutOfResources : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
