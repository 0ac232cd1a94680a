// web_page_access over HTTPS, as real share links are: a TLS front
// (tests/web/https_forwarder.py, with the certificate tools/test-ca issued for
// localhost) before the recording loopback server. WinINet is reached by the
// name localhost: under Wine it does not accept the certificate for 127.0.0.1.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

#include "tests/kit/loopback_server.h"
#include "tests/web/access_args.h"
#include "tests/web/https_front.h"
#include "web/web_page_access.h"

namespace {

using std::chrono::seconds;
using kit::http_reply;

#define REQUIRE_FRONT(front) \
  if (!(front).ready()) GTEST_SKIP() << (front).why_not()

TEST(Https, ShareRequestWithEveryOptionAbsent) {
  kit::LoopbackServer server;
  server.route("/share/video/9", http_reply(200, "OK", {"Content-Type: text/html"}, "<p>secure</p>"));
  HttpsFront front(server.port());
  REQUIRE_FRONT(front);
  const std::string address = front.url("/share/video/9?x=1");

  EXPECT_EQ(web::web_page_access(address), "<p>secure</p>");

  auto seen = server.wait_for_request("/share/video/9", seconds(5));
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->request_line(), "GET /share/video/9?x=1 HTTP/1.1");
  EXPECT_EQ(seen->header("Host"), "localhost:" + std::to_string(front.port()));
  EXPECT_EQ(seen->header("Referer"), address);
  EXPECT_EQ(seen->header("User-Agent"), web::kDefaultUserAgent);
  EXPECT_EQ(seen->header("Accept"), "*/*");
  EXPECT_EQ(seen->header("Accept-Language"), "zh-cn");
  EXPECT_EQ(seen->header("Content-Type"), "application/x-www-form-urlencoded");
}

TEST(Https, Utf8PageConverted) {
  kit::LoopbackServer server;
  server.route("/p", http_reply(200, "OK", {"Content-Type: text/html; charset=UTF-8"},
                                "<b>\xE4\xBD\x9C\xE8\x80\x85</b>"));  // 作者
  HttpsFront front(server.port());
  REQUIRE_FRONT(front);
  EXPECT_EQ(web::web_page_access(front.url("/p")), "<b>作者</b>");
}

TEST(Https, Moved301FollowedOverHttps) {
  kit::LoopbackServer server;
  HttpsFront front(server.port());
  REQUIRE_FRONT(front);
  std::atomic<int> asked{0};
  const std::string location = front.url("");
  server.route("/a", kit::Handler([&](const kit::HttpRequest&) {
                 return ++asked == 1 ? http_reply(301, "Moved Permanently",
                                                  {"Location: " + location,
                                                   "Set-Cookie: s=1; Path=/none"},
                                                  "moved")
                                     : http_reply(200, "OK", {}, "secure final");
               }));
  AccessArgs a = with_outputs();
  a.cookie_text = "";
  a.forbid_redirects = 1;
  EXPECT_EQ(access(front.url("/a?b=1"), a), "secure final");
  auto seen = server.requests_to("/a");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[1].request_line(), "GET /a?b=1 HTTP/1.1");
  EXPECT_EQ(seen[1].header_values("Cookie"), std::vector<std::string>{"s=1"});
  EXPECT_EQ(*a.cookie_text, "s=1");
}

// A certificate no trusted authority issued: the send fails, nothing reaches
// the server behind the front, and the result is the empty text.
TEST(Https, UntrustedCertificateRefused) {
  kit::LoopbackServer server;
  server.route("/p", http_reply(200, "OK", {}, "should not arrive"));
  HttpsFront front(server.port(), "untrusted");
  REQUIRE_FRONT(front);
  AccessArgs a = with_outputs();
  EXPECT_EQ(access(front.url("/p"), a), "");
  EXPECT_TRUE(server.requests().empty());
}

}  // namespace
