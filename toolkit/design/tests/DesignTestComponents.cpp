#include "DesignTestComponents.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TDesignTestEngine) {
  PUBLISHED(SkinFile);
  PUBLISHED(Caption);
  PUBLISHED(Active);
  PUBLISHED(Mode);
  PUBLISHED(Count);
  PUBLISHED(Flags);
  PUBLISHED(Buddy);
}

VEXA_DEFINE_CLASS(TDesignTestItem) { PUBLISHED(SkinFile); }
