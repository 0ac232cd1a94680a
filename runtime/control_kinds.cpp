// The control kinds of window definitions and their set-up after creation.
#include "runtime/control_kinds.h"

#include "runtime/browser_box.h"
#include "runtime/picture_box.h"

namespace runtime {
namespace {

struct KindInfo {
  const char* kind;
  const char* window_class;
  DWORD style;
};

const KindInfo* kind_info(const std::string& kind) {
  static const KindInfo kinds[] = {
      {kTransparentLabel, "STATIC", SS_LEFT | SS_NOPREFIX | SS_CENTERIMAGE},
      {kEditBox, "EDIT", ES_LEFT | WS_TABSTOP},
      {kButton, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP},
      {kGroupBox, "BUTTON", BS_GROUPBOX},
      {kPictureBox, kPictureBoxClass, 0},
      {kBrowserBox, kBrowserBoxClass, 0},
  };
  for (const KindInfo& info : kinds)
    if (kind == info.kind) return &info;
  return nullptr;
}

// A group box paints only its frame and title; its inside is filled here so
// that nothing of what lay there before shows through.
WNDPROC button_class_proc = nullptr;

LRESULT CALLBACK group_box_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(reinterpret_cast<HDC>(wp), &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return CallWindowProcA(button_class_proc, hwnd, msg, wp, lp);
}

void fill_group_box_inside(HWND group_box) {
  auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      group_box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(group_box_proc)));
  if (!button_class_proc) button_class_proc = previous;
}

// The edit class takes WS_BORDER away and draws a line inside its text area;
// put back, the style gives the box a one-pixel frame outside it, which
// skins can paint.
void make_edit_box(HWND edit, DWORD style) {
  SendMessageA(edit, EM_LIMITTEXT, 0, 0);
  if (!(style & WS_BORDER)) return;
  SetWindowLongPtrA(edit, GWL_STYLE, GetWindowLongPtrA(edit, GWL_STYLE) | WS_BORDER);
  SetWindowPos(edit, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

HWND create_control(const ControlDef& c, HWND parent, int id, HFONT font) {
  const KindInfo* info = kind_info(c.kind);
  if (!info) return nullptr;
  HWND hwnd = CreateWindowExA(0, info->window_class, c.text.c_str(),
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | info->style | c.style,
                              c.left, c.top, c.width, c.height, parent,
                              reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleA(nullptr),
                              nullptr);
  if (!hwnd) return nullptr;
  // A later control lies over the earlier ones it overlaps.
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (c.kind == kEditBox) make_edit_box(hwnd, c.style);
  if (c.kind == kGroupBox) fill_group_box_inside(hwnd);
  return hwnd;
}

}  // namespace runtime
