// Run-time services that can fail in interesting ways.
#include <gtest/gtest.h>

#include "runtime/picture_box.h"
#include "runtime/services.h"
#include "tests/kit/clipboard.h"

namespace {

TEST(PicturePlacement, CentresShrinksButNeverEnlarges) {
  struct Case {
    const char* what;
    int box_w, box_h, pic_w, pic_h;
    runtime::Placement expected;
  };
  const Case cases[] = {
      {"fits: natural size, centred", 176, 200, 100, 50, {38, 75, 100, 50}},
      {"odd margins halve toward zero", 176, 200, 101, 51, {37, 74, 101, 51}},
      {"exact fit", 176, 200, 176, 200, {0, 0, 176, 200}},
      {"too wide: scaled by the width ratio", 176, 200, 352, 100, {0, 75, 176, 50}},
      {"too tall: scaled by the height ratio", 176, 200, 100, 400, {63, 0, 50, 200}},
      {"both too large: the smaller ratio wins", 176, 200, 880, 500, {0, 50, 176, 100}},
      {"scaled size truncates", 100, 100, 300, 200, {0, 17, 100, 66}},
      {"tiny picture stays tiny", 176, 200, 1, 1, {87, 99, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    runtime::Placement p = runtime::picture_placement(c.box_w, c.box_h, c.pic_w, c.pic_h);
    EXPECT_EQ(p.left, c.expected.left);
    EXPECT_EQ(p.top, c.expected.top);
    EXPECT_EQ(p.width, c.expected.width);
    EXPECT_EQ(p.height, c.expected.height);
  }
}

TEST(HttpFileRead, FailuresYieldNoBytes) {
  const char* addresses[] = {
      "",                          // nothing to read
      "http://127.0.0.1:1/a.png",  // nobody listens there
      "not an address",
      "file:///c:/windows/win.ini",  // only web addresses are read
  };
  for (const char* address : addresses) {
    SCOPED_TRACE(address);
    EXPECT_TRUE(runtime::http_file_read(address).empty());
  }
}


TEST(Clipboard, TextOrNothing) {
  struct Case {
    const char* put;
    const char* expected;
  };
  const Case cases[] = {
      {nullptr, ""},  // an empty clipboard holds no text
      {"https://v.example.com/s/AbC123/", "https://v.example.com/s/AbC123/"},
      {"复制的链接 https://x.cn/a", "复制的链接 https://x.cn/a"},
  };
  for (const Case& c : cases) {
    put_on_clipboard(c.put);
    EXPECT_EQ(runtime::clipboard_text(), c.expected);
  }
}

TEST(Files, WriteThenExists) {
  char dir[MAX_PATH];
  GetTempPathA(MAX_PATH, dir);
  std::string path = std::string(dir) + "zovra_services_test.bin";
  DeleteFileA(path.c_str());
  EXPECT_FALSE(runtime::file_exists(path));
  std::string bytes("a\0b\xff", 4);
  ASSERT_TRUE(runtime::write_file(path, bytes));
  EXPECT_TRUE(runtime::file_exists(path));
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
  EXPECT_EQ(data.nFileSizeLow, 4u);
  DeleteFileA(path.c_str());
  EXPECT_FALSE(runtime::write_file(std::string(dir) + "no such folder\\x.bin", bytes));
}

TEST(Environment, SetAndUnsetVariables) {
  const std::string values[] = {"值 value", "x", std::string(300, 'y') + "长"};
  for (const std::string& value : values) {
    SetEnvironmentVariableA("ZOVRA_TEST_VAR", value.c_str());
    EXPECT_EQ(runtime::environment_variable("ZOVRA_TEST_VAR"), value);
  }
  SetEnvironmentVariableA("ZOVRA_TEST_VAR", nullptr);
  EXPECT_EQ(runtime::environment_variable("ZOVRA_TEST_VAR"), "");
}

TEST(RunProgram, WaitsForTheProgramAndReportsStartFailure) {
  EXPECT_TRUE(runtime::run_program("cmd.exe /c exit 3"));
  EXPECT_FALSE(runtime::run_program("no-such-program-zovra.exe"));
}

TEST(RandomNumber, StaysInItsRange) {
  bool seen_low = false, seen_high = false;
  for (int i = 0; i < 2000; ++i) {
    int n = runtime::random_number(3, 7);
    ASSERT_GE(n, 3);
    ASSERT_LE(n, 7);
    seen_low |= n == 3;
    seen_high |= n == 7;
  }
  EXPECT_TRUE(seen_low && seen_high);
  EXPECT_EQ(runtime::random_number(5, 5), 5);
}

TEST(Screen, SizeAndBackColourComeFromTheSystem) {
  SIZE s = runtime::screen_size();
  EXPECT_EQ(s.cx, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(s.cy, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(runtime::default_back_colour(), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
