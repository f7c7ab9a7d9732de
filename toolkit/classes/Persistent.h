#pragma once
#include <string>

#include "Object.h"

class TFiler;

// An object whose values can be copied (Assign) and stored: its published properties, and the
// extra values it declares in DefineProperties.
class TPersistent : public TObject {
  VEXA_CLASS(TPersistent, TObject)

public:
  // Copies Source's values into this object. When this class does not know Source's class, Source's
  // AssignTo is asked; by default that raises EConvertError.
  virtual void Assign(const TPersistent* Source);
  // The object this one belongs to: a component's owner, an item's collection, a collection's owner.
  virtual TPersistent* GetOwner() const;
  // The dotted name a designer shows, e.g. "Engine1.AdditionalBuiltInSkins[0]".
  virtual std::string GetNamePath() const;

protected:
  virtual void AssignTo(TPersistent* Dest) const;
  // Declares stored values that are not published properties; see TFiler. Overrides call the
  // inherited version first.
  virtual void DefineProperties(TFiler& Filer);

private:
  friend class TFiler;
};
