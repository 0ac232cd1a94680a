// zovra_shot OUT.png [--press BUTTON_TEXT] [--title TITLE]: waits (up to 30 s)
// for the window with the title, the main window's by default, optionally
// presses one of its buttons, and saves a screenshot of it.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/main_window.h"
#include "tests/kit/window_shot.h"

namespace {

HWND find_button(HWND parent, const std::string& text) {
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char buffer[256] = {};
    GetClassNameA(c, buffer, sizeof buffer);
    if (lstrcmpiA(buffer, "Button") != 0) continue;
    SendMessageA(c, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    if (text == buffer) return c;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: zovra_shot OUT.png [--press TEXT] [--title TITLE]\n");
    return 2;
  }
  std::string title = app::kMainTitle, press;
  for (int i = 2; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--press")) press = argv[i + 1];
    if (!std::strcmp(argv[i], "--title")) title = argv[i + 1];
  }
  HWND window = nullptr;
  for (int i = 0; i < 300 && !(window = FindWindowA(nullptr, title.c_str())); ++i) Sleep(100);
  if (!window) {
    std::fprintf(stderr, "zovra_shot: no window with that title\n");
    return 1;
  }
  Sleep(500);  // let it finish painting
  if (!press.empty()) {
    HWND button = find_button(window, press);
    if (!button) {
      std::fprintf(stderr, "zovra_shot: no button with that text\n");
      return 1;
    }
    DWORD_PTR result = 0;  // returns when the command has ended
    SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 60000, &result);
    Sleep(1000);
  }
  return save_window_png(window, argv[1]) ? 0 : 1;
}
