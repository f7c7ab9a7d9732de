#pragma once
#include <stdexcept>
#include <string>

// Errors of the skin-file code carry the fixed messages callers compare against.
class ESkinError : public std::runtime_error {
public:
  explicit ESkinError(const std::string& message) : std::runtime_error(message) {}
};

// A bitmap payload that cannot be decoded.
class EInvalidGraphic : public ESkinError {
public:
  explicit EInvalidGraphic(const std::string& message) : ESkinError(message) {}
};

inline constexpr const char* kMsgWrongPassword = "Wrong password!";
inline constexpr const char* kMsgFailedToRead = "Failed to read skin file!";
inline constexpr const char* kMsgError = "ERROR";
