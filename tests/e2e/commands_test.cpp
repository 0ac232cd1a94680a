// Paste, play and download through the real windows, against a loopback server.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "tests/e2e/app_driver.h"
#include "tests/kit/clipboard.h"
#include "tests/kit/loopback_server.h"
#include "tests/kit/share_page.h"
#include "tests/kit/test_pictures.h"

namespace {

using namespace std::chrono_literals;

const RECT kPasteButton = {431, 33, 495, 60};
const RECT kPlayButton = {395, 70, 435, 97};
const RECT kDownloadButton = {441, 70, 497, 97};
const RECT kLinkBox = {88, 34, 392, 60};
const RECT kVideoBox = {88, 71, 392, 98};
const RECT kDescriptionBox = {208, 162, 384, 282};
const RECT kAvatarGroup = {8, 106, 200, 330};
const RECT kAuthorGroup = {204, 106, 496, 330};
const RECT kAvatarBox = {8, 16, 184, 216};
const RECT kAuthorBox = {4, 16, 180, 40};


// Presses a button from another thread: the press returns only when the
// command has ended, which may need the test to close a box first.
class Press {
 public:
  explicit Press(HWND button)
      : thread_([button] { SendMessageA(button, BM_CLICK, 0, 0); }) {}
  ~Press() { thread_.join(); }

 private:
  std::thread thread_;
};

// Sets the default browser of the prefix to the recorder while a test runs.
class BrowserRecorder {
 public:
  BrowserRecorder() {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    log_ = std::string(dir) + "zovra_opened_urls.txt";
    DeleteFileA(log_.c_str());  // the recorder writes there
    const std::string command = "\"" ZOVRA_URL_RECORDER "\" \"%1\"";
    for (const char* scheme : {"http", "https"}) {
      std::string key = std::string(scheme) + "\\shell\\open\\command";
      char old[1024] = {};
      LONG size = sizeof old;
      saved_.push_back({key, RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), old, &size) ==
                                     ERROR_SUCCESS
                                 ? std::string(old)
                                 : std::string()});
      RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, command.c_str(), DWORD(command.size()));
      HKEY ddeexec;  // a DDE entry would send the address elsewhere
      if (RegOpenKeyA(HKEY_CLASSES_ROOT, (std::string(scheme) + "\\shell\\open").c_str(),
                      &ddeexec) == ERROR_SUCCESS) {
        RegDeleteTreeA(ddeexec, "ddeexec");
        RegCloseKey(ddeexec);
      }
    }
  }
  ~BrowserRecorder() {
    for (const auto& [key, value] : saved_)
      RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), DWORD(value.size()));
  }
  std::string opened() const {
    std::ifstream in(log_, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  std::string log_;
  std::vector<std::pair<std::string, std::string>> saved_;
};

class Commands : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.listening());
    ASSERT_TRUE(app.started());
    HWND w = app.main_window();
    paste = app.find_child(w, "Button", kPasteButton);
    play = app.find_child(w, "Button", kPlayButton);
    download = app.find_child(w, "Button", kDownloadButton);
    link = app.find_child(w, "Edit", kLinkBox);
    video = app.find_child(w, "Edit", kVideoBox);
    description = app.find_child(w, "Edit", kDescriptionBox);
    HWND author_group = app.find_child(w, "Button", kAuthorGroup);
    HWND avatar_group = app.find_child(w, "Button", kAvatarGroup);
    ASSERT_TRUE(author_group && avatar_group);
    author = app.find_child(author_group, "Edit", kAuthorBox);
    avatar = app.find_child(avatar_group, "ZovraPictureBox", kAvatarBox);
    ASSERT_TRUE(paste && play && download && link && video && description && author && avatar);
  }

  // Serves a share page with these fields (UTF-8, as the service sends it) at `path`.
  void serve_page(const std::string& path, const kit::ShareFields& fields) {
    server.route(path, kit::http_reply(200, "OK", {"Content-Type: text/html; charset=utf-8"},
                                       kit::gbk_to_utf8(kit::share_page(fields))));
  }

  void paste_link(const char* clipboard) {
    put_on_clipboard(clipboard);
    Press press(paste);
  }

  std::string fields_text() const {  // link | video | author | description
    return window_text(link) + "|" + window_text(video) + "|" + window_text(author) + "|" +
           window_text(description);
  }

  // The avatar box's centre on screen once it shows what `looks_right` wants
  // (it repaints a moment after the command); the last colour seen otherwise.
  template <typename Check>
  COLORREF avatar_centre_when(Check looks_right) const {
    COLORREF seen = 0;
    wait_until([&] { return looks_right(seen = avatar_centre()); }, 5000);
    return seen;
  }

  COLORREF avatar_centre() const {
    RECT r;
    GetWindowRect(avatar, &r);
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ReleaseDC(nullptr, screen);
    return c;
  }

  // The information box of the program with this text; closes it.
  bool close_notice(const std::string& expected_text) {
    HWND box = app.wait_for_window("提示！", 10000);
    if (!box) return false;
    std::string text;
    for (HWND c = GetWindow(box, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (lstrcmpiA(class_name(c).c_str(), "Static") == 0 && !window_text(c).empty())
        text = window_text(c);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    wait_until([&] { return !IsWindow(box); }, 5000);
    EXPECT_EQ(text, expected_text);
    return text == expected_text;
  }

  kit::LoopbackServer server;
  ZovraProcess app;
  HWND paste, play, download, link, video, description, author, avatar;
};

TEST_F(Commands, PasteFillsTheFourFieldsAndShowsTheAvatar) {
  server.route("/avatar.png", kit::http_reply(200, "OK", {"Content-Type: image/png"},
                                              make_test_picture(60, 60, RGB(220, 20, 30))));
  const kit::ShareFields fields = {server.url("/v/1.mp4"), server.url("/avatar.png"),
                                   "小明 ", "今天 #开心 &amp; 快乐"};
  serve_page("/s/abc", fields);
  const std::string share_link = server.url("/s/abc?from=copy");
  paste_link(share_link.c_str());
  EXPECT_EQ(fields_text(), share_link + "|" + fields.video + "|" + fields.author + "|" +
                               fields.description);
  auto red = [](COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) < 70; };
  COLORREF shown = avatar_centre_when(red);
  EXPECT_GT(GetRValue(shown), 180);
  EXPECT_LT(GetGValue(shown), 70);
  ASSERT_TRUE(server.wait_for_request("/s/abc", 1s));
  EXPECT_EQ(server.requests_to("/s/abc").front().target, "/s/abc?from=copy");
}

TEST_F(Commands, PasteClearsWhatThePageDoesNotHold) {
  server.route("/avatar.png", kit::http_reply(200, "OK", {"Content-Type: image/png"},
                                              make_test_picture(40, 40, RGB(0, 200, 0))));
  serve_page("/full", {server.url("/v.mp4"), server.url("/avatar.png"), "甲", "乙"});
  server.route("/empty", kit::http_reply(200, "OK", {"Content-Type: text/html"}, "<html></html>"));
  server.route("/broken-avatar", kit::http_reply(200, "OK", {}, kit::gbk_to_utf8(kit::share_page(
      {server.url("/v.mp4"), server.url("/missing.png"), "甲", "乙"}))));
  const COLORREF empty_box = GetSysColor(COLOR_BTNFACE);
  struct Case {
    const char* what;
    std::string clipboard;
    std::string expected;  // link | video | author | description
    bool avatar_green;
  };
  const std::string full = server.url("/full"), empty = server.url("/empty"),
                    broken = server.url("/broken-avatar"), dead = "http://127.0.0.1:1/s/x";
  const Case cases[] = {
      {"a full page", full, full + "|" + server.url("/v.mp4") + "|甲|乙", true},
      {"then a page without markers clears all four", empty, empty + "|||", false},
      {"a full page again", full, full + "|" + server.url("/v.mp4") + "|甲|乙", true},
      {"an unreachable address clears all", dead, dead + "|||", false},
      {"a missing avatar clears only the picture", broken,
       broken + "|" + server.url("/v.mp4") + "|甲|乙", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    paste_link(c.clipboard.c_str());
    EXPECT_EQ(fields_text(), c.expected);
    auto green = [](COLORREF seen) { return GetGValue(seen) > 150 && GetRValue(seen) < 100; };
    COLORREF shown = avatar_centre_when(
        [&](COLORREF seen) { return c.avatar_green ? green(seen) : seen == empty_box; });
    if (c.avatar_green)
      EXPECT_TRUE(green(shown)) << std::hex << shown;
    else
      EXPECT_EQ(shown, empty_box);
  }
  // A clipboard without text empties the link box too.
  paste_link(full.c_str());
  paste_link(nullptr);
  EXPECT_EQ(fields_text(), "|||");
}

TEST_F(Commands, PlayOpensOnlyWebAddresses) {
  BrowserRecorder browser;
  const std::string web = server.url("/v/2.mp4");
  // An empty link box: its message, nothing opened, whatever the video box holds.
  SendMessageA(video, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(web.c_str()));
  {
    Press press(play);
    EXPECT_TRUE(close_notice("都没播放地址你播放个毛"));
  }
  // A link and a web address: handed to the browser as it stands.
  SendMessageA(link, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("https://share.example/s/1"));
  { Press press(play); }
  EXPECT_TRUE(wait_until([&] { return browser.opened() == web + "\n"; }, 10000))
      << browser.opened();
  // Anything else is refused with a notice.
  for (const char* address : {"c:\\windows\\system32\\calc.exe", "file:///c:/x.exe",
                              "javascript:alert(1)", ""}) {
    SCOPED_TRACE(address);
    SendMessageA(video, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(address));
    Press press(play);
    EXPECT_TRUE(close_notice("这不是网页地址，不给你打开"));
  }
  Sleep(300);
  EXPECT_EQ(browser.opened(), web + "\n");
}

TEST_F(Commands, DownloadShowsThePlayerModally) {
  server.route("/v/3.mp4", kit::http_reply(200, "OK", {"Content-Type: video/mp4"}, "....."));
  {  // An empty video box: its message and no window, whatever the link box holds.
    SendMessageA(link, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("https://share.example/s/1"));
    Press press(download);
    EXPECT_TRUE(close_notice("都没播放地址你下载个毛"));
  }
  EXPECT_EQ(app.wait_for_window("播放/下载", 300), nullptr);
  {  // Not a web address: refused.
    SendMessageA(video, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("file:///c:/windows/win.ini"));
    Press press(download);
    EXPECT_TRUE(close_notice("这不是网页地址，不给你打开"));
  }
  const std::string address = server.url("/v/3.mp4");
  SendMessageA(video, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(address.c_str()));
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    Press press(download);
    HWND player = app.wait_for_window("播放/下载", 10000);
    ASSERT_NE(player, nullptr);
    RECT r;
    GetWindowRect(player, &r);
    EXPECT_EQ(r.right - r.left, 557);
    EXPECT_EQ(r.bottom - r.top, 456);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 557) / 2);
    LONG_PTR style = GetWindowLongPtrA(player, GWL_STYLE);
    EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_MINIMIZEBOX));
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_FALSE(IsWindowEnabled(app.main_window())) << "modal: the main window waits";
    EXPECT_TRUE(server.wait_for_request("/v/3.mp4", 15s, size_t(round)))
        << "the browser control fetched the video";
    PostMessageA(player, WM_CLOSE, 0, 0);
    EXPECT_TRUE(wait_until([&] { return !IsWindow(player); }));
  }
  EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(app.main_window()) != FALSE; }));
  EXPECT_TRUE(app.close_and_wait());
}

}  // namespace
