#include "Persistent.h"

#include "ClassesErrors.h"
#include "Publisher.h"

VEXA_DEFINE_CLASS(TPersistent) {}

void TPersistent::Assign(const TPersistent* Source) {
  if (!Source) throw EConvertError("Cannot assign nil to a " + ClassName());
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + (Dest ? Dest->ClassName() : std::string("nil")));
}

TPersistent* TPersistent::GetOwner() const { return nullptr; }

std::string TPersistent::GetNamePath() const {
  const TPersistent* owner = GetOwner();
  const std::string ownerPath = owner ? owner->GetNamePath() : std::string();
  return ownerPath.empty() ? ClassName() : ownerPath + "." + ClassName();
}

void TPersistent::DefineProperties(TFiler&) {}
