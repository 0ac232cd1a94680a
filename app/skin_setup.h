// How the application sets up its skin: the one skin object, GDI+ and the
// icon at start-up, the main window's look when it is created, and the
// tear-down at exit. Uses the skin, the drawing layer and the run time.
#pragma once

namespace skin {
class WindowSkin;
}

namespace app {

void create_skin_objects();     // the skin object and its empty tables
void initialise_skin_module();  // GDI+, the icon, the skin-wide start values
void main_window_created();     // theme, control options, skinning, containers
void tear_down_skin();          // skin object destroyed (GDI+ stopped), tables released

skin::WindowSkin* the_skin();   // null outside start-up .. exit

}  // namespace app
