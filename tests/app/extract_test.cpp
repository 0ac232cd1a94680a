// Cutting the four fields out of share pages, and which addresses may be opened.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "tests/kit/share_page.h"

namespace {

const kit::ShareFields kFields = {"https://v.example.cn/play/abc.mp4?x=1&amp;y=2",
                                  "https://p.example.cn/avatar/u1.jpeg", " 作者 Ａ ",
                                  "描述 #话题 &quot;引用&quot;"};

std::string replace_all(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

TEST(ExtractSharePage, CutsEachFieldAsItStands) {
  app::SharePage found = app::extract_share_page(kit::share_page(kFields));
  EXPECT_EQ(found.video_address, kFields.video);  // entities and blanks stay
  EXPECT_EQ(found.avatar_address, kFields.avatar);
  EXPECT_EQ(found.author, kFields.author);
  EXPECT_EQ(found.description, kFields.description);
}

TEST(ExtractSharePage, MissingOrAlteredMarkersEmptyOnlyTheirField) {
  const std::string page = kit::share_page(kFields);
  struct Case {
    const char* what;
    std::string page;
    app::SharePage expected;
  };
  const Case cases[] = {
      {"video marker in capitals still matches",
       replace_all(page, ".jpg\" src=\"", ".JPG\" SRC=\""),
       {kFields.video, kFields.avatar, kFields.author, kFields.description}},
      {"no video tag",
       replace_all(page, "controls=\"controls\" loop=\"loop\">", "autoplay>"),
       {"", kFields.avatar, kFields.author, kFields.description}},
      {"no avatar style", replace_all(page, "width:45px;", "width:46px;"),
       {kFields.video, "", kFields.author, kFields.description}},
      {"author without the user-defined character", replace_all(page, "\xFA\xD9' />", "' />"),
       {kFields.video, kFields.avatar, "", kFields.description}},
      {"no description meta", replace_all(page, "name=\"description\"", "name=\"keywords\""),
       {kFields.video, kFields.avatar, kFields.author, ""}},
      {"empty page", "", {"", "", "", ""}},
      {"a second video tag is ignored",
       page + "<video poster=\"b.jpg\" src=\"https://other/2.mp4\" controls=\"controls\" "
              "loop=\"loop\">",
       {kFields.video, kFields.avatar, kFields.author, kFields.description}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    app::SharePage found = app::extract_share_page(c.page);
    EXPECT_EQ(found.video_address, c.expected.video_address);
    EXPECT_EQ(found.avatar_address, c.expected.avatar_address);
    EXPECT_EQ(found.author, c.expected.author);
    EXPECT_EQ(found.description, c.expected.description);
  }
}

TEST(IsWebAddress, OnlyHttpAndHttpsInAnyCase) {
  struct Case {
    const char* address;
    bool web;
  };
  const Case cases[] = {
      {"http://a.cn/v.mp4", true},     {"https://a.cn/v.mp4", true},
      {"HTTPS://A.CN/", true},         {"hTtP://x", true},
      {"", false},                     {"http:/a", false},
      {"file:///c:/windows/notepad.exe", false}, {"c:\\windows\\notepad.exe", false},
      {"javascript:alert(1)", false},  {" https://a.cn", false},
      {"httpsx://a", false},           {"ftp://a.cn/v.mp4", false},
      {"mailto:a@b.cn", false},
  };
  for (const Case& c : cases) EXPECT_EQ(app::is_web_address(c.address), c.web) << c.address;
}

}  // namespace
