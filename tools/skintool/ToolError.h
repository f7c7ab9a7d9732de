#pragma once
#include <stdexcept>
#include <string>

// A problem with the tool's input or output; the message names the file (and line) at fault.
class SkinToolError : public std::runtime_error {
public:
  explicit SkinToolError(const std::string& message) : std::runtime_error(message) {}
};
