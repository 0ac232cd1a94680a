// Builds windows from their definitions and dispatches their events.
// One window class for all definitions; controls are standard classes, the
// picture box and the browser box come from their own units.
#include "runtime/window.h"

#include <commctrl.h>
#include <ole2.h>

#include <algorithm>
#include <memory>

#include "runtime/browser_box.h"
#include "runtime/control_kinds.h"
#include "runtime/picture_box.h"

namespace runtime {
namespace {

constexpr char kWindowClass[] = "ZovraForm";
constexpr int kFirstControlId = 1000;

struct RunTime {
  std::vector<std::unique_ptr<Window>> windows;
  HFONT font = nullptr;  // the controls' font, owned here until the loop ends
  void (*exit_routine)() = nullptr;
};

RunTime& state() {
  static RunTime run_time;
  return run_time;
}

Window* window_from(HWND hwnd) {
  return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

DWORD frame_style(const WindowDef& def) {
  DWORD style = WS_CLIPCHILDREN | WS_SYSMENU;
  style |= def.border == Border::none ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION;
  if (def.minimize_box) style |= WS_MINIMIZEBOX;
  if (def.maximize_box) style |= WS_MAXIMIZEBOX;
  return style;
}

void create_controls(Window& window) {
  const WindowDef& def = window.definition();
  for (size_t i = 0; i < def.controls.size(); ++i) {
    const ControlDef& c = def.controls[i];
    HWND parent = c.parent.empty() ? window.handle() : window.control(c.parent);
    HWND hwnd = parent ? create_control(c, parent, kFirstControlId + int(i), state().font)
                       : nullptr;
    if (!hwnd) continue;  // an unknown kind, or a parent that failed
    window.add_control(c, hwnd);
  }
}

void on_command(Window& window, HWND control, UINT code) {
  if (code != BN_CLICKED || !control) return;
  const ControlDef* def = window.control_def(control);
  if (!def || def->kind != kButton) return;
  for (const auto& [name, handler] : window.definition().clicks)
    if (name == def->name && handler) handler();
}

void on_size(Window& window, UINT kind) {
  if (kind == SIZE_MINIMIZED || window.resizing) return;
  if (window.definition().size_changed) window.definition().size_changed();
}

LRESULT on_ctl_colour_static(Window& window, HDC dc, HWND control) {
  const ControlDef* def = window.control_def(control);
  if (!def || def->kind != kTransparentLabel)
    return DefWindowProcA(window.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  // The window's own background shows behind the text.
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void on_nc_destroy(HWND hwnd) {
  auto& windows = state().windows;
  windows.erase(std::remove_if(windows.begin(), windows.end(),
                               [hwnd](const auto& w) { return w->handle() == hwnd; }),
                windows.end());
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
  if (windows.empty()) PostQuitMessage(0);
}

LRESULT CALLBACK form_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* window = window_from(hwnd);
  if (!window) return DefWindowProcA(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_COMMAND: on_command(*window, reinterpret_cast<HWND>(lp), HIWORD(wp)); return 0;
    case WM_SIZE: on_size(*window, UINT(wp)); break;
    case WM_CTLCOLORSTATIC:
      return on_ctl_colour_static(*window, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_NCDESTROY: on_nc_destroy(hwnd); return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

bool register_class() {
  static ATOM atom = 0;
  if (atom) return true;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = form_proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kWindowClass;
  atom = RegisterClassExA(&wc);
  return atom != 0;
}

// Creates the window and its controls and runs the created event; not yet shown.
Window* build(const WindowDef& def) {
  if (!register_class()) return nullptr;
  int left = def.left, top = def.top;
  if (def.centred) {
    SIZE screen = screen_size();
    left = (screen.cx - def.width) / 2;
    top = (screen.cy - def.height) / 2;
  }
  HWND hwnd = CreateWindowExA(0, kWindowClass, def.title.c_str(), frame_style(def), left, top,
                              def.width, def.height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  if (!hwnd) return nullptr;
  state().windows.push_back(std::make_unique<Window>(def, hwnd));
  Window* window = state().windows.back().get();
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  create_controls(*window);
  if (def.created) def.created();
  return window_from(hwnd);  // the created event may have closed it
}

void pump_one(MSG& msg) {
  HWND top = GetAncestor(msg.hwnd, GA_ROOT);
  if (top && IsDialogMessageA(top, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

BOOL CALLBACK disable_enabled(HWND hwnd, LPARAM lp) {
  auto* disabled = reinterpret_cast<std::vector<HWND>*>(lp);
  if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    disabled->push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

Window::Window(const WindowDef& def, HWND hwnd) : def_(def), hwnd_(hwnd) {}

HWND Window::control(const std::string& name) const {
  for (const auto& [def, hwnd] : controls_)
    if (def->name == name) return hwnd;
  return nullptr;
}

const ControlDef* Window::control_def(HWND hwnd) const {
  for (const auto& [def, control] : controls_)
    if (control == hwnd) return def;
  return nullptr;
}

void Window::add_control(const ControlDef& def, HWND hwnd) { controls_.emplace_back(&def, hwnd); }

std::string Window::text(const std::string& name) const {
  HWND hwnd = control(name);
  if (!hwnd) return {};
  int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return {};
  std::string text(size_t(length) + 1, '\0');
  text.resize(size_t(GetWindowTextA(hwnd, text.data(), length + 1)));
  return text;
}

void Window::set_text(const std::string& name, const std::string& text) {
  if (HWND hwnd = control(name)) SetWindowTextA(hwnd, text.c_str());
}

void Window::set_picture(const std::string& name, const Bytes& encoded) {
  if (HWND hwnd = control(name)) set_picture_box_picture(hwnd, encoded);
}

void Window::set_size(int width, int height) {
  resizing = true;
  SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  resizing = false;
}

void Window::set_address(const std::string& name, const std::string& address) {
  if (HWND hwnd = control(name)) navigate_browser_box(hwnd, address);
}

void initialise() {
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  register_picture_box_class();
  register_browser_box_class();
  if (!state().font)
    state().font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, "宋体");
}

Window* load_start_window(const WindowDef& def) {
  Window* window = build(def);
  if (window) {
    ShowWindow(window->handle(), SW_SHOWNORMAL);
    UpdateWindow(window->handle());
  }
  return window;
}

void load_window_modal(const WindowDef& def) {
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), disable_enabled, reinterpret_cast<LPARAM>(&disabled));
  HWND previous_active = GetActiveWindow();
  Window* window = build(def);
  HWND hwnd = window ? window->handle() : nullptr;
  if (hwnd) {
    ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg;
    bool quit = false;
    while (IsWindow(hwnd)) {
      if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
        quit = true;  // handed on to the outer loop below
        break;
      }
      pump_one(msg);
    }
    if (quit) PostQuitMessage(int(msg.wParam));
  }
  for (HWND w : disabled)
    if (IsWindow(w)) EnableWindow(w, TRUE);
  if (previous_active && IsWindow(previous_active)) SetActiveWindow(previous_active);
}

Window* window_of(const WindowDef& def) {
  for (const auto& window : state().windows)
    if (&window->definition() == &def) return window.get();
  return nullptr;
}

void set_exit_routine(void (*routine)()) { state().exit_routine = routine; }

int run_message_loop() {
  MSG msg = {};
  while (!state().windows.empty() && GetMessageA(&msg, nullptr, 0, 0) > 0) pump_one(msg);
  if (state().exit_routine) state().exit_routine();
  if (state().font) DeleteObject(state().font);
  state().font = nullptr;
  shutdown_picture_boxes();
  OleUninitialize();
  return int(msg.wParam);
}

}  // namespace runtime
