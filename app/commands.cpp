// Paste, play and download: the tool's job, in the order the user sees it.
#include "app/commands.h"

#include "app/main_window.h"
#include "runtime/services.h"
#include "runtime/window.h"
#include "web/text_between.h"
#include "web/web_page_access.h"

namespace app {
namespace {

constexpr char kNoticeTitle[] = "提示！";
constexpr UINT kInformation = MB_ICONINFORMATION | MB_OK;  // style 64

void notice(const char* text) { runtime::message_box(text, kInformation, kNoticeTitle); }

// Refuses anything but a web address, and says so.
bool check_web_address(const std::string& address) {
  if (is_web_address(address)) return true;
  notice("这不是网页地址，不给你打开");
  return false;
}

// The wait cursor while the GUI thread is blocked in a request.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace

SharePage extract_share_page(const std::string& page) {
  using web::text_between;
  // Two end markers start with a character of the code page's user-defined area.
  return {
      text_between(page, ".jpg\" src=\"", "\" controls=\"controls\" loop=\"loop\">"),
      text_between(page, "width:45px;height:45px;\" src=\"", "\" />"),
      text_between(page, "<meta name='twitter:title' content='", "\xFA\xD9' />"),
      text_between(page, "<meta content=\"", "\xFD\xAB\" name=\"description\">"),
  };
}

void paste_command() {
  runtime::Window* window = main_window();
  if (!window) return;
  window->set_text("编辑框1", runtime::clipboard_text());
  const std::string address = window->text("编辑框1");  // what the box kept of it

  WaitCursor wait;
  page_text = web::web_page_access(address);
  const SharePage found = extract_share_page(page_text);
  window->set_text("编辑框2", found.video_address);
  window->set_picture("图片框1", runtime::http_file_read(found.avatar_address));
  window->set_text("编辑框3", found.author);
  window->set_text("编辑框4", found.description);
}

void play_command() {
  runtime::Window* window = main_window();
  if (!window) return;
  if (window->text("编辑框1").empty()) {
    notice("都没播放地址你播放个毛");
    return;
  }
  const std::string video = window->text("编辑框2");
  if (check_web_address(video)) runtime::open_address(video);
}

void download_command() {
  runtime::Window* window = main_window();
  if (!window) return;
  const std::string video = window->text("编辑框2");
  if (video.empty()) {
    notice("都没播放地址你下载个毛");
    return;
  }
  if (check_web_address(video)) runtime::load_window_modal(player_window_def());
}

}  // namespace app
