// Paste-to-filled time for a 1 MB share page on a loopback server, as a ratio
// to the bare page request alone, measured in the same run.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/commands.h"
#include "app/main_window.h"
#include "tests/kit/clipboard.h"
#include "tests/kit/loopback_server.h"
#include "tests/kit/share_page.h"
#include "tests/kit/test_pictures.h"
#include "web/web_page_access.h"

namespace {


template <typename F>
double median_ms(int rounds, F f) {
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    auto start = std::chrono::steady_clock::now();
    f();
    times.push_back(std::chrono::duration<double, std::milli>(
                        std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  kit::LoopbackServer server;
  server.route("/avatar.png", kit::http_reply(200, "OK", {"Content-Type: image/png"},
                                              make_test_picture(96, 96, RGB(40, 120, 220))));
  std::string page = kit::share_page({server.url("/v.mp4"), server.url("/avatar.png"),
                                      "作者", "描述"});
  // Pad to 1 MB with ordinary markup before the fields, as long pages have.
  std::string filler;
  while (filler.size() + page.size() < (1u << 20)) filler += "<div class=\"x\">段落 text</div>\n";
  page.insert(page.find("<body>") + 6, filler);
  server.route("/s/1", kit::http_reply(200, "OK", {"Content-Type: text/html; charset=utf-8"},
                                       kit::gbk_to_utf8(page)));
  const std::string link = server.url("/s/1");

  runtime::initialise();
  runtime::Window* window = runtime::load_start_window(app::main_window_def());
  if (!window) return 1;
  put_on_clipboard(link.c_str());
  const int rounds = 15;
  app::paste_command();  // warm-up: connections, decoders
  double bare = median_ms(rounds, [&] { web::web_page_access(link); });
  double paste = median_ms(rounds, [] { app::paste_command(); });
  std::printf("page bytes: %zu (UTF-8)\n", kit::gbk_to_utf8(page).size());
  std::printf("bare request: %.2f ms (median of %d)\n", bare, rounds);
  std::printf("paste to filled: %.2f ms (median of %d)\n", paste, rounds);
  std::printf("ratio paste / bare request: %.2f (goal at most 1.30)\n", paste / bare);
  DestroyWindow(window->handle());
  return 0;
}
