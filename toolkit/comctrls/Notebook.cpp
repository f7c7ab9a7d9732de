#include "Notebook.h"

#include "PublishedControl.h"

VEXA_DEFINE_CLASS(TNotebook) {
  PublishWinControlBasics(published, clBtnFace);
  PUBLISHED(PageIndex).Default(-1);
}
