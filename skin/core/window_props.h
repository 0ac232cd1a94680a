// Names of the window properties through which skinned windows and controls
// find their records, previous procedures, colours and buffers. Platform only.
#pragma once
#include <windows.h>

namespace skin {

constexpr const char* prop_prev_proc = "Hw_hProc";       // previous window procedure
constexpr const char* prop_list_index = "Hw_lbID";       // window index, or list index of a control
constexpr const char* prop_owner_index = "Hw_FuID";      // window index of a control's top-level window
constexpr const char* prop_tr_owner_index = "Kj_FuID";   // transparent control: owner window index
constexpr const char* prop_tr_list_index = "Kj_lbID";    // transparent control: list index
constexpr const char* prop_tr_prev_proc = "Kj_hProc";    // transparent control: previous procedure
constexpr const char* prop_text_colour = "Kj_Ztys";      // control text colour (COLORREF)
constexpr const char* prop_back_brush = "Kj_dxjb";       // brush last returned for a control
constexpr const char* prop_back_bitmap = "Kj_wtjb";      // bitmap behind that brush
constexpr const char* prop_first_bitmap = "Ck_Ycjdx";    // back buffer DC's first bitmap
constexpr const char* prop_back_buffer = "Ck_wtjbdx";    // current back-buffer bitmap
constexpr const char* prop_backdrop_owner = "Mb_zpf";    // container: ancestor supplying its backdrop
constexpr const char* prop_own_backdrop = "Wxk_Zpf";     // set outside the skin: 1 = own backdrop
constexpr const char* prop_own_backdrop_dc = "Wxk_Cj";   // set outside the skin: its backdrop DC

// A property read as a number (0 when absent).
inline LONG_PTR get_prop_value(HWND hwnd, const char* name) {
  return reinterpret_cast<LONG_PTR>(GetPropA(hwnd, name));
}
inline void set_prop_value(HWND hwnd, const char* name, LONG_PTR value) {
  SetPropA(hwnd, name, reinterpret_cast<HANDLE>(value));
}

}  // namespace skin
