#include "ComScope.h"

#include <objbase.h>

// S_OK and S_FALSE both count one initialization to undo; RPC_E_CHANGED_MODE (the thread chose
// another apartment first) counts none.
TComScope::TComScope()
    : FMustUninitialize(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

TComScope::~TComScope() {
  if (FMustUninitialize) CoUninitialize();
}
