// Trimming the process's working set when the application loses the foreground,
// on a short-lived thread of its own that touches no skin state. Platform only
// (kernel32, shlwapi).
#include <shlwapi.h>

#include "skin/core/window_proc.h"

namespace skin {

namespace {

DWORD WINAPI trim_thread(void*) {
  trim_working_set();
  return 0;
}

}  // namespace

bool trim_working_set() {
  // Both limits at -1 makes the system take as many pages as it can; done on
  // our own process directly, so no helper program is written or started.
  HANDLE self = GetCurrentProcess();
  SIZE_T minimum = 0, maximum = 0;
  if (!GetProcessWorkingSetSize(self, &minimum, &maximum)) return false;
  return SetProcessWorkingSetSize(self, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)) != 0;
}

bool start_working_set_trim() {
  return SHCreateThread(trim_thread, nullptr, 0, nullptr) != FALSE;
}

}  // namespace skin
