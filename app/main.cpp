// Process entry: start-up in its fixed order, the message loop, and exit.
#include <windows.h>

#include "app/main_window.h"
#include "app/skin_setup.h"

namespace {

void program_exit() {
  std::string().swap(app::page_text);  // freed before the skin goes
  app::tear_down_skin();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  runtime::initialise();
  app::create_skin_objects();
  runtime::set_exit_routine(program_exit);
  app::initialise_skin_module();
  if (!runtime::load_start_window(app::main_window_def())) return 1;
  return runtime::run_message_loop();
}
