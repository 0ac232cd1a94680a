// Drives the real zovra.exe as a user would: starts it, finds its windows,
// and closes it again. Every wait is bounded.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class ZovraProcess {
 public:
  ZovraProcess();  // starts the program and waits for its main window
  ~ZovraProcess();  // closes it if it still runs
  ZovraProcess(const ZovraProcess&) = delete;
  ZovraProcess& operator=(const ZovraProcess&) = delete;

  HWND main_window() const { return main_; }
  DWORD process_id() const { return info_.dwProcessId; }
  bool started() const { return main_ != nullptr; }

  // Closes the main window; true when the process then ended with exit code 0.
  bool close_and_wait(DWORD timeout_ms = 15000);

  // The child window of `parent` with this class whose rectangle, relative to
  // `parent`'s client area, is `r`; nullptr when there is none.
  HWND find_child(HWND parent, const char* window_class, RECT r) const;
  // The top-level window of this process with the title, waiting up to timeout_ms.
  HWND wait_for_window(const std::string& title, DWORD timeout_ms) const;

 private:
  PROCESS_INFORMATION info_ = {};
  HWND main_ = nullptr;
};

std::string window_text(HWND hwnd);
std::string class_name(HWND hwnd);
RECT rect_in_parent(HWND hwnd);  // the window's rectangle in its parent's client coordinates
// Runs `condition` every 50 ms until it holds or timeout_ms passes.
template <typename Condition>
bool wait_until(Condition condition, DWORD timeout_ms = 10000) {
  DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeout_ms) return false;
    Sleep(50);
  }
  return true;
}
