// The player window: a browser control showing the video address.
#include "app/commands.h"
#include "app/main_window.h"
#include "runtime/window.h"

namespace app {
namespace {

runtime::WindowDef make_player_window_def() {
  runtime::WindowDef def;
  def.title = "播放/下载";
  def.left = 50;
  def.top = 50;
  def.width = 557;
  def.height = 456;
  def.border = runtime::Border::fixed;
  def.minimize_box = true;
  def.maximize_box = false;
  def.centred = true;
  def.controls = {{runtime::kBrowserBox, "超文本浏览框1", "", 8, 5, 536, 419, "", 0}};
  def.created = player_window_created;
  return def;
}

}  // namespace

const runtime::WindowDef& player_window_def() {
  static const runtime::WindowDef def = make_player_window_def();
  return def;
}

void player_window_created() {
  runtime::Window* main = main_window();
  runtime::Window* player = runtime::window_of(player_window_def());
  if (!main || !player) return;
  // Read again at creation: only a web address reaches the browser control.
  const std::string video = main->text("编辑框2");
  if (is_web_address(video)) player->set_address("超文本浏览框1", video);
}

}  // namespace app
