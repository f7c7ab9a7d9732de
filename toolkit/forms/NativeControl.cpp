#include "NativeControl.h"

#include "Publisher.h"

VEXA_DEFINE_CLASS(TNativeControl) {}

TNativeControl::TNativeControl(TComponent* AOwner, std::wstring NativeClass, DWORD CommonControls)
    : TWinControl(AOwner), FNativeClass(std::move(NativeClass)), FCommonControls(CommonControls) {
  SetControlStyle(ControlStyle() - TControlStyle{csCaptureMouse, csClickEvents});
}

void TNativeControl::CreateParams(TCreateParams& Params) const {
  inherited::CreateParams(Params);
  CreateSubClass(Params, FNativeClass.c_str(), FCommonControls);
}
