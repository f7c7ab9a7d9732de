#include "Object.h"

namespace {
const TClassRegistrar registrar{&TObject::StaticClassInfo};
}

const TClassInfo& TObject::StaticClassInfo() {
  static const TClassInfo info("TObject", nullptr, nullptr, nullptr);
  return info;
}

const TClassInfo& TObject::ClassInfo() const { return StaticClassInfo(); }
