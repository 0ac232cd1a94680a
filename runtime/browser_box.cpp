// The browser box: a plain child window that hosts one "AtlAxWin" window.
// Navigating replaces the host, whose window text is the address it opens.
#include "runtime/browser_box.h"

#include "runtime/control_class.h"

namespace runtime {
namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();

// atl.dll registers "AtlAxWin" once per process; nullptr name when it is missing.
const char* host_class() {
  static const char* name = [] () -> const char* {
    HMODULE atl = LoadLibraryA("atl.dll");
    auto init = atl ? reinterpret_cast<AtlAxWinInitFn>(
                          reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")))
                    : nullptr;
    return init && init() ? "AtlAxWin" : nullptr;
  }();
  return name;
}

LRESULT CALLBACK browser_box_proc(HWND box, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SIZE) {  // the host always fills the box
    if (HWND host = GetWindow(box, GW_CHILD))
      MoveWindow(host, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
    return 0;
  }
  return DefWindowProcA(box, msg, wp, lp);
}

}  // namespace

bool register_browser_box_class() {
  return register_control_class(kBrowserBoxClass, browser_box_proc, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
}

void navigate_browser_box(HWND box, const std::string& address) {
  const char* host = host_class();
  if (!host || !IsWindow(box)) return;
  while (HWND old = GetWindow(box, GW_CHILD)) DestroyWindow(old);
  RECT client;
  GetClientRect(box, &client);
  CreateWindowExA(0, host, address.c_str(), WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                  client.bottom, box, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace runtime
