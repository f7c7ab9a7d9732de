#pragma once
#include <stdexcept>
#include <string>

// Errors raised by the toolkit's object model. Each carries a message meant for the person who
// reads it: it names the component, property, class or index at fault.
class EClassesError : public std::runtime_error {
public:
  explicit EClassesError(const std::string& Message) : std::runtime_error(Message) {}
};

// Invalid or clashing component names, bad ownership requests.
class EComponentError : public EClassesError {
public:
  using EClassesError::EClassesError;
};

// An index outside a list, collection or component list.
class EListError : public EClassesError {
public:
  using EClassesError::EClassesError;
};

// Sorted-list rules and string-list indexes.
class EStringListError : public EListError {
public:
  using EListError::EListError;
};

// A published property that does not exist, is used as the wrong kind, or gets a value out of range.
class EPropertyError : public EClassesError {
public:
  using EClassesError::EClassesError;
};

// Assign between classes that cannot take each other's values.
class EConvertError : public EClassesError {
public:
  using EClassesError::EClassesError;
};

// FindClass for a name no linked class registered.
class EClassNotFound : public EClassesError {
public:
  using EClassesError::EClassesError;
};

// Streaming errors.
class EFilerError : public EClassesError {
public:
  using EClassesError::EClassesError;
};

class EReadError : public EFilerError {
public:
  using EFilerError::EFilerError;
};

class EWriteError : public EFilerError {
public:
  using EFilerError::EFilerError;
};
