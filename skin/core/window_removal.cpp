// Removing a destroyed window's record from window_table and rewriting every
// window index that windows and controls hold in their properties.
// Uses the skin's records and window properties.
#include "skin/core/window_proc.h"
#include "skin/core/window_props.h"
#include "skin/core/window_skin.h"

namespace skin {

namespace {

template <typename Record>
void set_owner_index(const RecordList<Record>& list, const char* property, int index) {
  for (const auto& record : list)
    if (record && record->hwnd) set_prop_value(record->hwnd, property, index);
}

void renumber_window_indexes() {
  for (size_t k = 0; k < window_table.size(); ++k) {
    const SkinnedWindow& w = *window_table[k];
    const int index = static_cast<int>(k + 1);
    set_prop_value(w.hwnd, prop_list_index, index);
    set_owner_index(w.framed_list, prop_owner_index, index);
    set_owner_index(w.button_list, prop_owner_index, index);
    set_owner_index(w.edit_list, prop_owner_index, index);
    set_owner_index(w.combo_list, prop_owner_index, index);
    set_owner_index(w.header_list, prop_owner_index, index);
    set_owner_index(w.updown_list, prop_owner_index, index);
    set_owner_index(w.trackbar_list, prop_owner_index, index);
    set_owner_index(w.progress_list, prop_owner_index, index);
    set_owner_index(w.container_list, prop_owner_index, index);
    set_owner_index(w.transparent_list, prop_tr_owner_index, index);
  }
}

void delete_edit_brushes(const SkinnedWindow& w) {
  for (const auto& edit : w.edit_list) {
    if (!edit || !edit->hwnd) continue;
    for (const char* property : {prop_back_bitmap, prop_back_brush}) {
      if (HANDLE object = GetPropA(edit->hwnd, property)) {
        DeleteObject(static_cast<HGDIOBJ>(object));
        SetPropA(edit->hwnd, property, nullptr);
      }
    }
  }
}

}  // namespace

void remove_window(HWND hwnd) {
  if (const int index = find_window_index(hwnd)) {
    delete_edit_brushes(*window_record(index));
    // The record's destructor releases the back buffer, the two backdrop copies,
    // its lists, texts, pictures and tooltip window.
    window_table.erase(window_table.begin() + (index - 1));
  }
  renumber_window_indexes();
}

}  // namespace skin
