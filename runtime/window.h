// Windows built from their definitions: creation, events, control services,
// the message loop, dialog mode and the exit routine.
// Uses only the platform and the other run-time units.
#pragma once
#include "runtime/services.h"
#include "runtime/window_def.h"

namespace runtime {

// A live window built from a definition; it exists until its window is destroyed.
class Window {
 public:
  Window(const WindowDef& def, HWND hwnd);
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const WindowDef& definition() const { return def_; }
  HWND handle() const { return hwnd_; }
  HWND control(const std::string& name) const;  // nullptr when there is none

  std::string text(const std::string& control) const;
  void set_text(const std::string& control, const std::string& text);
  void set_picture(const std::string& control, const Bytes& encoded);  // empty clears
  void set_size(int width, int height);
  void set_address(const std::string& control, const std::string& address);

  // Used while the window is built and by its window procedure.
  void add_control(const ControlDef& def, HWND hwnd);
  const ControlDef* control_def(HWND hwnd) const;
  bool resizing = false;  // set while set_size runs, so it does not re-enter

 private:
  const WindowDef& def_;
  HWND hwnd_;
  std::vector<std::pair<const ControlDef*, HWND>> controls_;
};

// Run-time start: OLE for the browser control, common controls, the UI font.
void initialise();

// Builds the start window, runs its created event and shows it.
Window* load_start_window(const WindowDef& def);

// Dialog mode: every other window of the program is disabled until this one closes.
void load_window_modal(const WindowDef& def);

// The live window built from a definition, or nullptr.
Window* window_of(const WindowDef& def);

// The routine that runs once after the message loop has ended.
void set_exit_routine(void (*routine)());

// Runs until the last window closes, then the exit routine; returns the exit code.
int run_message_loop();

}  // namespace runtime
