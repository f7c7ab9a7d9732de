#pragma once
// The toolkit's window layer in one include.
#include "Application.h"
#include "ControlMessages.h"
#include "CustomControl.h"
#include "Form.h"
#include "FormResource.h"
#include "GraphicControl.h"
#include "NativeControl.h"
#include "Screen.h"
#include "Timer.h"
