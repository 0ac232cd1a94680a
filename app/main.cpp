// Process entry: start-up in its fixed order, the message loop, and exit.
#include <windows.h>

#include "app/main_window.h"
#include "app/skin_setup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  runtime::initialise();
  app::create_skin_objects();
  runtime::set_exit_routine(app::program_exit);
  app::initialise_skin_module();
  if (!runtime::load_start_window(app::main_window_def())) return 1;
  return runtime::run_message_loop();
}
