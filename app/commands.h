// The main window's three commands and the player window.
// Uses the run time and web access.
#pragma once
#include <string>

#include "runtime/services.h"
#include "runtime/window_def.h"

namespace app {

void paste_command();     // "粘贴": fetch the share page behind the pasted link
void play_command();      // "播放": open the video address in the default browser
void download_command();  // "下载": show the video in the modal player window

const runtime::WindowDef& player_window_def();
void player_window_created();

// Web addresses ("http://", "https://", any letter case) are the only ones
// handed to the shell or the browser control, which would also run local
// programs, files and script addresses.
using runtime::is_web_address;

// What the share page yields, each field cut out by its markers; empty when absent.
struct SharePage {
  std::string video_address;
  std::string avatar_address;
  std::string author;
  std::string description;
};
SharePage extract_share_page(const std::string& page);

}  // namespace app
