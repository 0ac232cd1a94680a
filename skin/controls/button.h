// Skinned buttons: registering check boxes and auto radio buttons, the procedure
// that serves every skinned button (push, image, check box, radio) with its hover
// step, and repainting a button now in a given state. Uses the skin's records.
#pragma once
#include <windows.h>

namespace skin {

// ButtonRecord kinds.
enum ButtonKind : int {
  button_push = 0, button_image = 1, button_state_image = 3, button_radio = 4, button_check = 5,
};

// BS_CHECKBOX, BS_AUTOCHECKBOX and BS_PUSHBOX: bit 0x2 set, bit 0x4 clear.
bool is_check_box_style(LONG_PTR style);
// BS_AUTORADIOBUTTON: bits 0x1 and 0x8 set, bits 0x2 and 0x4 clear.
bool is_auto_radio_style(LONG_PTR style);

// Registers the check boxes and auto radio buttons among `container`'s direct
// children into window i's button_list (each once). Plain radio buttons,
// three-state boxes, group boxes and owner-drawn buttons keep their own look.
void attach_check_buttons(int window_index, HWND container);

// The procedure of every skinned button.
LRESULT CALLBACK button_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Repaints a skinned button now in `state` (ODS_* bits), hot adding ODS_HOTLIGHT.
void paint_button_state(HWND button, UINT state = 0, bool hot = false);

}  // namespace skin
