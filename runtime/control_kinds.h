// The control kinds of window definitions: which window class and styles each
// becomes, and what the run time sets up on a control after creating it.
#pragma once
#include <windows.h>

#include "runtime/window_def.h"

namespace runtime {

// Creates the control of a definition in `parent`, on top of the controls made
// before it, with the font; nullptr for an unknown kind or a failed creation.
HWND create_control(const ControlDef& def, HWND parent, int id, HFONT font);

}  // namespace runtime
