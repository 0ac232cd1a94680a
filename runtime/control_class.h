// Registration of the run time's own control classes.
#pragma once
#include <windows.h>

namespace runtime {

// Registers a child-control class of the program with the arrow cursor;
// true also when it was registered before.
bool register_control_class(const char* name, WNDPROC procedure, HBRUSH background);

}  // namespace runtime
