#include "CommonDialog.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TCommonDialog) {}

TCommonDialog::TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TCommonDialog::Execute(HWND Owner) { return DoExecute(OwnerWindow(Owner)); }

HWND TCommonDialog::OwnerWindow(HWND Owner) { return Owner ? Owner : GetActiveWindow(); }
