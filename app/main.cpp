// Process entry: start-up in its fixed order, the message loop, and exit.
#include <windows.h>

#include "app/main_window.h"

namespace {

void program_exit() {
  app::page_text.clear();
  app::page_text.shrink_to_fit();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  runtime::initialise();
  runtime::set_exit_routine(program_exit);
  if (!runtime::load_start_window(app::main_window_def())) return 1;
  return runtime::run_message_loop();
}
