#pragma once
#include <string>
#include <string_view>

#include "ClassInfo.h"

// Root of every toolkit class: it knows its class at run time. Objects of the toolkit have identity
// (owners and lists point at them), so they are never copied; TPersistent::Assign copies values.
class TObject {
public:
  using Self = TObject;
  static const TClassInfo& StaticClassInfo();

  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  virtual const TClassInfo& ClassInfo() const;
  const std::string& ClassName() const { return ClassInfo().ClassName(); }
  bool InheritsFrom(const TClassInfo& Class) const { return ClassInfo().InheritsFrom(Class); }
  bool InheritsFrom(std::string_view ClassName) const { return ClassInfo().InheritsFrom(ClassName); }
};
