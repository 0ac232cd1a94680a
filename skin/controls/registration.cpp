// The registration scheme shared by the skinned child controls: the attach order,
// subclassing with the three properties, forwarding and mouse-leave tracking.
// Uses the skin's records, the attach routines of each kind and the platform.
#include "skin/controls/registration.h"

#include "skin/controls/button.h"
#include "skin/controls/edit.h"
#include "skin/core/attach.h"

namespace skin {

void attach_controls(int window_index, HWND container) {
  // The order is fixed; the kinds still to come (trackbars, progress bars,
  // list-type controls, up-downs, headers) take their places after the edits.
  attach_push_buttons(window_index, container);
  attach_check_buttons(window_index, container);
  attach_edits_and_combos(window_index, container);
}

LONG_PTR install_control_proc(HWND control, WNDPROC procedure, int window_index, int list_index) {
  const LONG_PTR previous =
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  set_prop_value(control, prop_list_index, list_index);
  set_prop_value(control, prop_owner_index, window_index);
  set_prop_value(control, prop_prev_proc, previous);
  return previous;
}

LRESULT forward_to_previous(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, prop_prev_proc));
  if (!previous) return DefWindowProcA(hwnd, message, wparam, lparam);
  return CallWindowProcA(previous, hwnd, message, wparam, lparam);
}

void track_mouse_leave(HWND control) {
  TRACKMOUSEEVENT request{};
  request.cbSize = sizeof request;
  request.dwFlags = TME_LEAVE;
  request.hwndTrack = control;
  request.dwHoverTime = 0;
  TrackMouseEvent(&request);
}

std::string read_window_text(HWND hwnd) {
  try {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(
        GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()))));
    return text;
  } catch (const std::bad_alloc&) {
    return std::string();
  }
}

void delete_property_object(HWND hwnd, const char* property) {
  if (HANDLE object = GetPropA(hwnd, property)) {
    DeleteObject(static_cast<HGDIOBJ>(object));
    SetPropA(hwnd, property, nullptr);
  }
}

}  // namespace skin
