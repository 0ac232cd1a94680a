// web_page_access against the loopback server, which records every request as
// it arrived: completed headers, user agent, cookies, body, proxy, redirects,
// raw headers, decoding. Where Wine's WinINet decides what goes on the wire,
// the expectation says so.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/kit/loopback_server.h"
#include "tests/web/access_args.h"
#include "web/web_page_access.h"

namespace {

using std::chrono::seconds;
using kit::http_reply;

const std::string kDefaultAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; MQ7T9; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

std::string completed(const std::string& address, const std::string& prefix = "") {
  return (prefix.empty() ? "Referer: " : prefix + "\r\nReferer: ") + address +
         "\r\nAccept: */*\r\nAccept-Language: zh-cn"
         "\r\nContent-Type: application/x-www-form-urlencoded";
}

std::vector<std::string> header_names(const kit::HttpRequest& request) {
  std::vector<std::string> names;
  for (const std::string& line : request.header_lines()) names.push_back(line.substr(0, line.find(':')));
  return names;
}

// --- The request ----------------------------------------------------------

TEST(PageRequest, ShareRequestWithEveryOptionAbsent) {
  kit::LoopbackServer server;
  server.route("/share/video/7", http_reply(200, "OK", {"Content-Type: text/html"}, "<p>page</p>"));
  const std::string address = server.url("/share/video/7?x=1&y=Z");

  EXPECT_EQ(web::web_page_access(address), "<p>page</p>");

  auto seen = server.wait_for_request("/share/video/7", seconds(5));
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->request_line(), "GET /share/video/7?x=1&y=Z HTTP/1.1");
  EXPECT_EQ(seen->header_values("User-Agent"), std::vector<std::string>{kDefaultAgent});
  EXPECT_EQ(seen->header("Referer"), address);
  EXPECT_EQ(seen->header("Accept"), "*/*");
  EXPECT_EQ(seen->header("Accept-Language"), "zh-cn");
  EXPECT_EQ(seen->header("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(seen->header("Host"), "127.0.0.1:" + std::to_string(server.port()));
  EXPECT_TRUE(seen->body.empty());
  // Wine's WinINet adds only Host to the headers given (Windows adds more,
  // for example Connection and Cache-Control).
  EXPECT_EQ(header_names(*seen), (std::vector<std::string>{"Host", "User-Agent", "Referer", "Accept",
                                                            "Accept-Language", "Content-Type"}));
}

TEST(PageRequest, CompletedHeadersAndUserAgentTable) {
  struct Case {
    const char* name;
    std::optional<std::string> extra_headers;  // absent or the text given
    std::string prefix_kept;                   // what completion starts from
    std::string agent_on_wire;
    std::string extra_expected;                // completion beyond the standard lines
  };
  const Case cases[] = {
      {"absent", std::nullopt, "", kDefaultAgent, ""},
      {"present and empty", std::string(), "", kDefaultAgent, ""},
      {"one User-Agent line without a line end", std::string("User-Agent: TestAgent/1.0"),
       "User-Agent: TestAgent/1.0", "TestAgent/1.0", ""},
      {"User-Agent with blanks, then a line end", std::string("User-Agent:  Spaced Agent \r\nX-A: 1"),
       "User-Agent:  Spaced Agent \r\nX-A: 1", "Spaced Agent", ""},
      {"user-agent in other letter case", std::string("user-agent: lower/2"), "user-agent: lower/2",
       "lower/2", ""},
  };
  for (const Case& c : cases) {
    kit::LoopbackServer server;
    server.route("/p", http_reply(200, "OK", {}, "ok"));
    const std::string address = server.url("/p");
    AccessArgs a;
    a.extra_headers = c.extra_headers;
    EXPECT_EQ(access(address, a), "ok") << c.name;
    if (c.extra_headers) {
      EXPECT_EQ(*a.extra_headers, completed(address, c.prefix_kept)) << c.name;
    }
    auto seen = server.wait_for_request("/p", seconds(5));
    ASSERT_TRUE(seen) << c.name;
    EXPECT_EQ(seen->header_values("User-Agent"), std::vector<std::string>{c.agent_on_wire}) << c.name;
    EXPECT_EQ(seen->header("Referer"), address) << c.name;
  }
}

TEST(PageRequest, HeadersAlreadyGivenAreNotAdded) {
  kit::LoopbackServer server;
  server.route("/p", http_reply(200, "OK", {}, "ok"));
  AccessArgs a;
  a.extra_headers =
      "Referer: http://r/\r\nAccept: text/html\r\nAccept-Language: en\r\nContent-Type: text/plain";
  const std::string given = *a.extra_headers;
  access(server.url("/p"), a);
  EXPECT_EQ(*a.extra_headers, given);
  auto seen = server.wait_for_request("/p", seconds(5));
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->header("Referer"), "http://r/");
  EXPECT_EQ(seen->header("Accept"), "text/html");
  EXPECT_EQ(seen->header("Accept-Language"), "en");
  EXPECT_EQ(seen->header("Content-Type"), "text/plain");
}

TEST(PageRequest, HeaderTestsMatchLetterCaseExactly) {
  AccessArgs a;
  a.extra_headers = "referer: http://r/\r\naccept: text/html";
  kit::LoopbackServer server;
  server.route("/p", http_reply(200, "OK", {}, "ok"));
  const std::string address = server.url("/p");
  access(address, a);
  EXPECT_EQ(*a.extra_headers, completed(address, "referer: http://r/\r\naccept: text/html"));
}

TEST(PageRequest, CookieTextTable) {
  struct Case {
    const char* name;
    std::optional<std::string> cookie_text;
    std::vector<std::string> cookie_on_wire;
  };
  const Case cases[] = {
      {"present", std::string("k=v; m=2"), {"k=v; m=2"}},
      {"present and empty: no Cookie line", std::string(), {}},
      {"absent", std::nullopt, {}},
  };
  for (const Case& c : cases) {
    kit::LoopbackServer server;
    server.route("/p", http_reply(200, "OK", {}, "ok"));
    const std::string address = server.url("/p");
    AccessArgs a;
    a.cookie_text = c.cookie_text;
    a.extra_headers = "";
    access(address, a);
    std::string cookie_line = c.cookie_on_wire.empty() ? "" : "\r\nCookie: " + c.cookie_on_wire[0];
    EXPECT_EQ(*a.extra_headers, completed(address) + cookie_line) << c.name;
    auto seen = server.wait_for_request("/p", seconds(5));
    ASSERT_TRUE(seen) << c.name;
    EXPECT_EQ(seen->header_values("Cookie"), c.cookie_on_wire) << c.name;
  }
}

// A present cookie text switches WinINet's own cookies off (INTERNET_FLAG_NO_COOKIES).
TEST(PageRequest, WinInetCookiesOnlyWhenCookieTextAbsent) {
  kit::LoopbackServer server;
  server.route("/jar/set", http_reply(200, "OK", {"Set-Cookie: jar=1; Path=/jar"}, "set"));
  server.route("/jar/see", http_reply(200, "OK", {}, "see"));
  AccessArgs first = with_outputs();
  EXPECT_EQ(access(server.url("/jar/set"), first), "set");
  EXPECT_EQ(*first.returned_cookies, "jar=1");

  web::web_page_access(server.url("/jar/see"));  // cookie text absent: WinINet sends its own
  AccessArgs own;
  own.cookie_text = "";
  access(server.url("/jar/see"), own);  // present: none
  own.cookie_text = "mine=2";
  access(server.url("/jar/see"), own);  // present: only the caller's

  auto seen = server.requests_to("/jar/see");
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].header_values("Cookie"), std::vector<std::string>{"jar=1"});
  EXPECT_EQ(seen[1].header_values("Cookie"), std::vector<std::string>{});
  EXPECT_EQ(seen[2].header_values("Cookie"), std::vector<std::string>{"mine=2"});
}

TEST(PageRequest, ReturnedCookiesTable) {
  struct Case {
    const char* name;
    std::vector<std::string> set_cookie_lines;
    std::string returned;
  };
  const Case cases[] = {
      {"pairs in order, attributes dropped",
       {"Set-Cookie: a=1; Path=/none", "Set-Cookie:  b=2 ; HttpOnly; Path=/none"}, "a=1; b=2"},
      {"a line without ';' gives an empty entry", {"Set-Cookie: a=1; Path=/none", "Set-Cookie: c=3"},
       "a=1; "},
      {"name of the line in other case", {"set-cookie: a=1; Path=/none"}, ""},
      {"none", {}, ""},
  };
  for (const Case& c : cases) {
    kit::LoopbackServer server;
    server.route("/p", http_reply(200, "OK", c.set_cookie_lines, "ok"));
    AccessArgs a = with_outputs();
    a.returned_cookies = "stale";
    access(server.url("/p"), a);
    EXPECT_EQ(*a.returned_cookies, c.returned) << c.name;
  }
}

TEST(PageRequest, CookieTextMergedWithReturnedCookies) {
  kit::LoopbackServer server;
  server.route("/p", http_reply(200, "OK",
                                {"Set-Cookie: b=3; Path=/none", "Set-Cookie: old=deleted; Path=/none",
                                 "Set-Cookie: c=4; Path=/none"},
                                "ok"));
  AccessArgs a = with_outputs();
  a.cookie_text = "a=1; b=2; old=x";
  access(server.url("/p"), a);
  EXPECT_EQ(*a.cookie_text, "b=3; c=4; a=1");
  EXPECT_EQ(*a.returned_cookies, "b=3;old=deleted;c=4");
}

TEST(PageRequest, BodyTable) {
  struct Case {
    const char* name;
    std::optional<int> method;
    std::optional<std::string> form_data;
    std::optional<web::Bytes> byte_body;
    std::string verb, body_on_wire;
    std::optional<web::Bytes> byte_body_after;
  };
  const web::Bytes raw_bytes("RAW\0BYTES", 9);
  const Case cases[] = {
      {"POST sends the form data", 1, std::string("a=1&b=2"), std::nullopt, "POST", "a=1&b=2",
       std::nullopt},
      {"form data written back into the byte body", 1, std::string("a=1"), web::Bytes(), "POST",
       "a=1", web::Bytes("a=1")},
      {"a byte body wins over the form data", 1, std::string("a=1"), raw_bytes, "POST",
       raw_bytes, raw_bytes},
      {"method 0 sends no body", 0, std::string("a=1"), std::nullopt, "GET", "", std::nullopt},
      {"method absent sends no body", std::nullopt, std::string("a=1"), web::Bytes(), "GET", "",
       web::Bytes()},
      {"method 2 is a GET with a body", 2, std::string("q=9"), std::nullopt, "GET", "q=9",
       std::nullopt},
  };
  for (const Case& c : cases) {
    kit::LoopbackServer server;
    server.route("/form", http_reply(200, "OK", {}, "done"));
    AccessArgs a;
    a.method = c.method;
    a.form_data = c.form_data;
    a.byte_body = c.byte_body;
    EXPECT_EQ(access(server.url("/form"), a), "done") << c.name;
    auto seen = server.wait_for_request("/form", seconds(5));
    ASSERT_TRUE(seen) << c.name;
    EXPECT_EQ(seen->method, c.verb) << c.name;
    EXPECT_EQ(seen->body, c.body_on_wire) << c.name;
    if (c.byte_body_after) {
      EXPECT_EQ(a.byte_body, c.byte_body_after) << c.name;
    }
  }
}

TEST(PageRequest, ProxyModeSendsTheAddressToTheProxy) {
  kit::LoopbackServer target, proxy;
  target.route("/p", http_reply(200, "OK", {}, "direct"));
  proxy.route("/p", http_reply(200, "OK", {}, "via proxy"));
  const std::string address = target.url("/p?x=1", "localhost");
  AccessArgs a;
  a.proxy = "127.0.0.1:" + std::to_string(proxy.port());
  EXPECT_EQ(access(address, a), "via proxy");
  auto seen = proxy.wait_for_request("/p", seconds(5));
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->request_line(), "GET " + address + " HTTP/1.1");
  EXPECT_TRUE(target.requests().empty());
}

// --- Redirects --------------------------------------------------------------

// A "301" whose Location names only scheme and host, for /a?b=1: the routine
// asks for the Location followed by /a?b=1, with the cookies merged.
TEST(Redirects, Moved301FollowedWithPathQueryAndMergedCookies) {
  kit::LoopbackServer server;
  std::atomic<int> asked{0};
  const std::string location = server.url("", "localhost");
  server.route("/a", kit::Handler([&](const kit::HttpRequest&) {
                 return ++asked == 1 ? http_reply(301, "Moved Permanently",
                                                  {"Location: " + location,
                                                   "Set-Cookie: b=2; Path=/none"},
                                                  "moved")
                                     : http_reply(200, "OK", {}, "final page");
               }));
  const std::string address = server.url("/a?b=1");
  AccessArgs a = with_outputs();
  a.cookie_text = "a=1";
  a.extra_headers = "";
  a.forbid_redirects = 1;  // so that WinINet leaves the 301 to the routine

  EXPECT_EQ(access(address, a), "final page");

  auto seen = server.requests_to("/a");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].request_line(), "GET /a?b=1 HTTP/1.1");
  EXPECT_EQ(seen[0].header_values("Cookie"), std::vector<std::string>{"a=1"});
  EXPECT_EQ(seen[1].request_line(), "GET /a?b=1 HTTP/1.1");
  EXPECT_EQ(seen[1].header("Host"), "localhost:" + std::to_string(server.port()));
  // The extra headers of the follow-up are the completed ones of the first
  // request plus a second Cookie line; Wine's WinINet sends the later one.
  EXPECT_EQ(seen[1].header_values("Cookie"), std::vector<std::string>{"b=2; a=1"});
  EXPECT_EQ(seen[1].header("Referer"), address);
  EXPECT_EQ(*a.extra_headers, completed(address) + "\r\nCookie: a=1\r\nCookie: b=2; a=1");
  EXPECT_EQ(*a.cookie_text, "b=2; a=1");
  EXPECT_EQ(*a.returned_cookies, "");
  // The last response named no Location: the redirect output is its raw headers.
  EXPECT_EQ(*a.redirect_address, *a.raw_headers);
  EXPECT_EQ(a.raw_headers->rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
}

// In the follow-up the cookie text and the proxy count as present: without
// WinINet's cookies, and with the proxy list "http=" alone when the first call
// had none. Wine's WinINet connects directly with that list.
TEST(Redirects, FollowUpWithoutProxyOrCookieTextGiven) {
  kit::LoopbackServer server;
  server.route("/a/set", http_reply(200, "OK", {"Set-Cookie: jar=7; Path=/a"}, "set"));
  std::atomic<int> asked{0};
  const std::string location = server.url("");
  server.route("/a/go", kit::Handler([&](const kit::HttpRequest&) {
                 return ++asked == 1 ? http_reply(301, "Moved Permanently",
                                                  {"Location: " + location}, "moved")
                                     : http_reply(200, "OK", {}, "arrived");
               }));
  web::web_page_access(server.url("/a/set"));
  AccessArgs a;
  a.forbid_redirects = 1;
  EXPECT_EQ(access(server.url("/a/go?z=1"), a), "arrived");

  auto seen = server.requests_to("/a/go");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].header_values("Cookie"), std::vector<std::string>{"jar=7"});
  EXPECT_EQ(seen[1].header_values("Cookie"), std::vector<std::string>{});
  EXPECT_EQ(seen[1].request_line(), "GET /a/go?z=1 HTTP/1.1");  // direct, not a proxy form
}

// A follow-up of a call with a proxy goes through the same proxy.
TEST(Redirects, FollowUpThroughTheSameProxy) {
  kit::LoopbackServer target, proxy;
  const std::string location = target.url("", "localhost");
  std::atomic<int> asked{0};
  proxy.route("/a", kit::Handler([&](const kit::HttpRequest&) {
                return ++asked == 1 ? http_reply(301, "Moved Permanently",
                                                 {"Location: " + location}, "moved")
                                    : http_reply(200, "OK", {}, "proxied again");
              }));
  AccessArgs a;
  a.proxy = "127.0.0.1:" + std::to_string(proxy.port());
  a.forbid_redirects = 1;
  const std::string address = target.url("/a?b=1", "localhost");
  EXPECT_EQ(access(address, a), "proxied again");
  auto seen = proxy.requests_to("/a");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].request_line(), "GET " + address + " HTTP/1.1");
  EXPECT_EQ(seen[1].request_line(), "GET " + location + "/a?b=1 HTTP/1.1");
  EXPECT_TRUE(target.requests().empty());
}

TEST(Redirects, StatusTable) {
  struct Case {
    const char* name;
    std::string first_response;
    int forbid;
    int requests_to_first;
    int requests_to_next;
    std::string result;
    std::string redirect;  // "" = compare with nothing
  };
  const Case cases[] = {
      {"302, redirects forbidden: not followed",
       "HTTP/1.1 302 Found\r\nLocation: /next\r\nContent-Length: 5\r\nConnection: close\r\n\r\nfound",
       1, 1, 0, "found", "/next"},
      {"302, WinINet follows it itself",
       "HTTP/1.1 302 Found\r\nLocation: /next\r\nContent-Length: 5\r\nConnection: close\r\n\r\nfound",
       0, 1, 1, "next page", ""},
      {"HTTP/1.0 301 not followed by the routine",
       "HTTP/1.0 301 Moved Permanently\r\nLocation: /next\r\n\r\nmoved", 1, 1, 0, "moved", "/next"},
      {"301 without \" Moved\" not followed",
       "HTTP/1.1 301 Gone Elsewhere\r\nLocation: /next\r\nContent-Length: 2\r\nConnection: close\r\n\r\ngo",
       1, 1, 0, "go", "/next"},
      {"Content-Location is taken as the redirect",
       "HTTP/1.1 200 OK\r\nContent-Location: /elsewhere\r\nContent-Length: 4\r\nConnection: close\r\n\r\nhere",
       0, 1, 0, "here", "/elsewhere"},
  };
  for (const Case& c : cases) {
    kit::LoopbackServer server;
    server.route("/first", c.first_response);
    server.route("/next", http_reply(200, "OK", {}, "next page"));
    AccessArgs a = with_outputs();
    a.forbid_redirects = c.forbid;
    EXPECT_EQ(access(server.url("/first"), a), c.result) << c.name;
    EXPECT_EQ(int(server.requests_to("/first").size()), c.requests_to_first) << c.name;
    EXPECT_EQ(int(server.requests_to("/next").size()), c.requests_to_next) << c.name;
    if (!c.redirect.empty()) {
      EXPECT_EQ(*a.redirect_address, c.redirect) << c.name;
    }
  }
}

TEST(Redirects, LastLocationLineWins) {
  kit::LoopbackServer server;
  server.route("/p", http_reply(200, "OK", {"Location: /one", "X-Location: /two"}, "ok"));
  AccessArgs a = with_outputs();
  access(server.url("/p"), a);
  EXPECT_EQ(*a.redirect_address, "/two");
}

// --- Raw headers --------------------------------------------------------------

// The raw headers are read into 5000 bytes: 4999 and a terminator fit. The
// length is made of 100-byte lines, because Wine's WinINet cuts a single
// header line at about 4 KB.
TEST(RawHeaders, LongerThan4999BytesAreNotRead) {
  auto reply = [](size_t extra) {
    std::vector<std::string> lines = {"Location: /there", "Set-Cookie: a=1; Path=/none"};
    for (size_t n = 1; extra >= 200; extra -= 100, ++n) {
      char name[16];
      std::snprintf(name, sizeof name, "X-Fill-%03zu: ", n);
      lines.push_back(name + std::string(86, 'f'));  // 100 bytes with its line end
    }
    lines.push_back("X-Pad: " + std::string(10 + extra, 'p'));
    return http_reply(200, "OK", lines, "body");
  };
  kit::LoopbackServer server;
  server.route("/measure", reply(0));
  AccessArgs probe = with_outputs();
  access(server.url("/measure"), probe);
  const size_t base = probe.raw_headers->size();  // as WinINet rebuilds them
  ASSERT_GT(base, 10u);
  ASSERT_LT(base, 4000u);

  server.route("/fits", reply(4999 - base));
  server.route("/long", reply(5000 - base));
  AccessArgs fits = with_outputs(), long_ = with_outputs();
  EXPECT_EQ(access(server.url("/fits"), fits), "body");
  EXPECT_EQ(fits.raw_headers->size(), 4999u);
  EXPECT_EQ(*fits.returned_cookies, "a=1");
  EXPECT_EQ(*fits.redirect_address, "/there");

  EXPECT_EQ(access(server.url("/long"), long_), "body");
  EXPECT_EQ(*long_.raw_headers, std::string(5000, ' '));
  EXPECT_EQ(*long_.returned_cookies, "");
  EXPECT_EQ(*long_.redirect_address, std::string(5000, ' '));
}

// --- Decoding and the returned text --------------------------------------------

TEST(Decoding, Utf8RulesTable) {
  const std::string utf8_word = "\xE4\xB8\xAD\xE6\x96\x87";  // 中文 in UTF-8
  auto body_with_marker_at = [&](size_t position, const std::string& marker) {
    std::string body(position - 1, '.');
    return body + marker + " " + utf8_word;
  };
  struct Case {
    const char* name;
    std::vector<std::string> headers;
    std::string body;
    bool converted;
  };
  const Case cases[] = {
      {"utf-8 in the body at 1", {}, body_with_marker_at(1, "utf-8"), true},
      {"utf-8 in the body at 499", {}, body_with_marker_at(499, "utf-8"), true},
      {"utf-8 in the body at 500", {}, body_with_marker_at(500, "utf-8"), false},
      {"utf-8 in the body at 600", {}, body_with_marker_at(600, "utf-8"), false},
      {"at 600 with a header naming UTF-8", {"Content-Type: text/html; charset=UTF-8"},
       body_with_marker_at(600, "utf-8"), true},
      {"UTF-8 in capitals in the body only", {}, body_with_marker_at(10, "UTF-8"), false},
      {"header in any case", {"X-Charset: uTf-8"}, body_with_marker_at(10, "none"), true},
      {"neither", {"Content-Type: text/html; charset=gbk"}, "plain " + utf8_word, false},
  };
  for (const Case& c : cases) {
    kit::LoopbackServer server;
    server.route("/p", http_reply(200, "OK", c.headers, c.body));
    std::string page = web::web_page_access(server.url("/p"));
    std::string expected = c.converted ? c.body.substr(0, c.body.size() - utf8_word.size()) + "中文"
                                       : c.body;
    EXPECT_EQ(page, expected) << c.name;
  }
}

TEST(Decoding, BodyCutAtItsFirstZeroByte) {
  kit::LoopbackServer server;
  server.route("/p", http_reply(200, "OK", {}, std::string("before\0after", 12)));
  EXPECT_EQ(web::web_page_access(server.url("/p")), "before");
}

TEST(Decoding, ErrorStatusesReturnTheirBodies) {
  const int statuses[] = {400, 403, 404, 500, 503};
  for (int status : statuses) {
    kit::LoopbackServer server;
    server.route("/p", http_reply(status, "Whatever", {}, "error page " + std::to_string(status)));
    EXPECT_EQ(web::web_page_access(server.url("/p")), "error page " + std::to_string(status));
  }
}

TEST(Decoding, LargeBodyReadInPieces) {
  std::string body;
  for (int i = 0; body.size() < 300000; ++i) body += "line " + std::to_string(i) + "\n";
  kit::LoopbackServer server;
  server.route("/p", http_reply(200, "OK", {}, body));
  EXPECT_EQ(web::web_page_access(server.url("/p")), body);
}

}  // namespace
