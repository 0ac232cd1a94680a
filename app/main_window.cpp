// The main window's definition: every control's kind, place, size, text and style.
#include "app/main_window.h"

#include "app/commands.h"
#include "app/skin_setup.h"

namespace app {

std::string page_text;

namespace {

constexpr DWORD kSingleLine = WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kMultiLine = WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

runtime::WindowDef make_main_window_def() {
  using namespace runtime;
  WindowDef def;
  def.title = kMainTitle;
  def.left = 50;
  def.top = 50;
  def.width = kMainWidth;
  def.height = kMainHeight;
  def.border = Border::none;  // the skin draws the frame and caption
  def.minimize_box = true;
  def.maximize_box = false;
  def.centred = true;
  def.controls = {
      {kTransparentLabel, "透明标签1", "", 8, 34, 80, 24, "Zovra播放地址：", 0},
      {kEditBox, "编辑框1", "", 88, 34, 304, 26, "", kSingleLine},
      {kButton, "按钮1", "", 431, 33, 64, 27, "粘贴", 0},
      {kTransparentLabel, "透明标签2", "", 9, 70, 72, 24, "下载地址：", 0},
      {kEditBox, "编辑框2", "", 88, 71, 304, 27, "", kMultiLine},
      {kButton, "按钮3", "", 395, 70, 40, 27, "播放", 0},
      {kButton, "按钮2", "", 441, 70, 56, 27, "下载", 0},
      {kGroupBox, "分组框1", "", 8, 106, 192, 224, "作品ID头像", 0},
      {kPictureBox, "图片框1", "分组框1", 8, 16, 176, 200, "", 0},
      {kGroupBox, "分组框2", "", 204, 106, 292, 224, "作品人", 0},
      {kEditBox, "编辑框3", "分组框2", 4, 16, 176, 24, "", kSingleLine},
      {kEditBox, "编辑框4", "", 208, 162, 176, 120, "", kMultiLine},
  };
  def.created = main_window_created;
  def.size_changed = main_window_size_changed;
  def.clicks = {{"按钮1", paste_command}, {"按钮3", play_command}, {"按钮2", download_command}};
  return def;
}

}  // namespace

const runtime::WindowDef& main_window_def() {
  static const runtime::WindowDef def = make_main_window_def();
  return def;
}

runtime::Window* main_window() { return runtime::window_of(main_window_def()); }

void program_exit() {
  std::string().swap(page_text);
  tear_down_skin();
}

void main_window_size_changed() {
  if (runtime::Window* window = main_window()) window->set_size(kMainWidth, kMainHeight);
}

}  // namespace app
