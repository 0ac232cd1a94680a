// What every skinned child control shares: the attach order, taking a record in
// its kind's list, installing a procedure with the three properties, finding the
// record again, forwarding, and mouse-leave tracking. Uses the skin's records.
#pragma once
#include <windows.h>
#include <memory>
#include <new>
#include <string>

#include "skin/core/window_props.h"
#include "skin/core/window_skin.h"

namespace skin {

// Kind codes kept in SkinnedWindow::lit_kind: which list lit_control indexes.
enum LitKind : int {
  lit_button = 0, lit_edit = 1, lit_trackbar = 2, lit_combo = 3, lit_updown = 8, lit_header = 9,
};

// The attach routines of all control kinds, in their fixed order, over the
// direct children of `container`; apply_to_window and container registration
// both use it.
void attach_controls(int window_index, HWND container);

// Appends a blank record to `list` and returns it with its 1-based index, or
// null (index 0) when no memory is left for it.
template <typename Record>
Record* take_record(RecordList<Record>& list, int& index) {
  index = 0;
  try {
    list.push_back(std::make_unique<Record>());
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  index = static_cast<int>(list.size());
  return list.back().get();
}

// Subclasses a registered control: installs `procedure`, sets "Hw_lbID",
// "Hw_FuID" and "Hw_hProc", and returns the previous procedure.
LONG_PTR install_control_proc(HWND control, WNDPROC procedure, int window_index, int list_index);

// Hands a message to the procedure kept in "Hw_hProc".
LRESULT forward_to_previous(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// The SkinnedWindow named by the control's "Hw_FuID", or null.
inline SkinnedWindow* control_owner(HWND control) {
  return window_record(static_cast<int>(get_prop_value(control, prop_owner_index)));
}

// The control's record in one of its owner's lists, through "Hw_lbID". Null when
// the properties lead nowhere or to another control's record (say after its
// window's record went): the procedures then only forward.
template <typename Record>
Record* control_record(HWND control, RecordList<Record> SkinnedWindow::*list) {
  SkinnedWindow* w = control_owner(control);
  if (!w) return nullptr;
  Record* record = record_at(w->*list, static_cast<int>(get_prop_value(control, prop_list_index)));
  return record && record->hwnd == control ? record : nullptr;
}

// Asks for WM_MOUSELEAVE when the mouse leaves the control.
void track_mouse_leave(HWND control);

// The window's text (empty when it has none or memory runs out).
std::string read_window_text(HWND hwnd);

// Deletes the GDI object a property names and leaves the property holding 0,
// so that the handle cannot be deleted twice.
void delete_property_object(HWND hwnd, const char* property);

}  // namespace skin
