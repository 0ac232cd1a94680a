// The main window: its definition, its live instance and the program's state.
// Uses the run time only.
#pragma once
#include <string>

#include "runtime/window.h"

namespace app {

inline constexpr char kMainTitle[] = "Zovra视频下载  作者 Telmin";
inline constexpr int kMainWidth = 504;
inline constexpr int kMainHeight = 339;

const runtime::WindowDef& main_window_def();
runtime::Window* main_window();  // nullptr before it is built and after it is gone

// Keeps the window at its fixed size after any change of size.
void main_window_size_changed();

extern std::string page_text;  // body of the last share page fetched

// Runs once after the message loop: the page text is freed, then the skin goes.
void program_exit();

}  // namespace app
