// Bad input and faulty servers: a 20 MB body, invalid UTF-8, a server that
// closes mid-body or never answers, endless "301" answers, no server at all.
// None may crash or hang beyond WinINet's own time-outs; the times measured
// are printed.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "tests/kit/loopback_server.h"
#include "tests/web/access_args.h"
#include "web/web_page_access.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;
using std::chrono::steady_clock;
using kit::http_reply;

long long elapsed_ms(steady_clock::time_point since) {
  return std::chrono::duration_cast<milliseconds>(steady_clock::now() - since).count();
}

TEST(Faults, TwentyMegabyteBody) {
  std::string body(20u << 20, 'x');
  for (size_t i = 0; i < body.size(); i += 997) body[i] = char('a' + i % 26);
  kit::LoopbackServer server;
  server.route("/big", http_reply(200, "OK", {}, body));
  auto start = steady_clock::now();
  std::string page = web::web_page_access(server.url("/big"));
  std::printf("[ measure  ] 20 MB body read in %lld ms\n", elapsed_ms(start));
  EXPECT_EQ(page.size(), body.size());
  EXPECT_TRUE(page == body);
}

TEST(Faults, TwentyMegabyteUtf8Body) {
  std::string body = "<meta charset=utf-8>";
  while (body.size() < (20u << 20)) body += "\xE4\xB8\xAD\xE6\x96\x87 abc ";  // 中文
  kit::LoopbackServer server;
  server.route("/big", http_reply(200, "OK", {}, body));
  auto start = steady_clock::now();
  std::string page = web::web_page_access(server.url("/big"));
  std::printf("[ measure  ] 20 MB UTF-8 body read and converted in %lld ms\n", elapsed_ms(start));
  const std::string opening = "<meta charset=utf-8>中文 abc ";
  EXPECT_EQ(page.substr(0, opening.size()), opening);
  EXPECT_GT(page.size(), (14u << 20));
}

TEST(Faults, InvalidUtf8Table) {
  struct Case {
    const char* name;
    std::string body, expected;
  };
  const Case cases[] = {
      {"stray continuation bytes", "utf-8 a\x80\x80 b", "utf-8 a?? b"},
      {"byte FF", "utf-8 \xFF", "utf-8 ?"},
      {"cut sequence in the middle", "utf-8 \xE4\xB8 x", "utf-8 ? x"},
      {"overlong form", "utf-8 \xC0\xAF", "utf-8 ??"},
      {"surrogate encoded (as Wine converts it)", "utf-8 \xED\xA0\x80", "utf-8 ??"},
  };
  for (const Case& c : cases) {
    kit::LoopbackServer server;
    server.route("/p", http_reply(200, "OK", {}, c.body));
    EXPECT_EQ(web::web_page_access(server.url("/p")), c.expected) << c.name;
  }
}

TEST(Faults, ServerClosesMidBody) {
  kit::LoopbackServer server;
  const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\nConnection: close\r\n\r\n";
  server.route("/cut", head + std::string(5000, 'b'));
  AccessArgs a = with_outputs();
  auto start = steady_clock::now();
  std::string page = access(server.url("/cut"), a);
  std::printf("[ measure  ] cut body: %zu bytes returned after %lld ms\n", page.size(),
              elapsed_ms(start));
  EXPECT_EQ(page, std::string(5000, 'b'));  // what arrived is returned
  EXPECT_EQ(a.raw_headers->rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
}

TEST(Faults, ServerClosesBeforeAnswering) {
  kit::LoopbackServer server;
  server.route("/none", kit::Reply{""});
  AccessArgs a = with_outputs();
  EXPECT_EQ(access(server.url("/none"), a), "");
}

// A server that accepts and reads the request but never answers. Wine's
// WinINet has no receive time-out of its own (a probe waited 500 s), so the
// routine sets one: the call gives up after it, long before the server would.
TEST(Faults, ServerNeverAnswers) {
  kit::LoopbackServer server;
  server.route("/silent", kit::Reply{"", 120000});
  AccessArgs a = with_outputs();
  auto start = steady_clock::now();
  std::string page = access(server.url("/silent"), a);
  long long took = elapsed_ms(start);
  std::printf("[ measure  ] silent server: the call returned after %lld ms\n", took);
  EXPECT_EQ(page, "");
  EXPECT_GE(took, static_cast<long long>(web::kRequestTimeoutMs) - 1000);
  EXPECT_LT(took, static_cast<long long>(web::kRequestTimeoutMs) * 3);
  EXPECT_EQ(server.requests_to("/silent").size(), 1u);
}

// "301" to every request, redirects forbidden: the routine follows ten answers
// and returns the empty text at the eleventh.
TEST(Faults, Moved301ForeverFollowedTenTimes) {
  kit::LoopbackServer server;
  const std::string location = server.url("");
  server.route("/loop", http_reply(301, "Moved Permanently", {"Location: " + location}, "moved"));
  AccessArgs a = with_outputs();
  a.forbid_redirects = 1;
  auto start = steady_clock::now();
  EXPECT_EQ(access(server.url("/loop?n=1"), a), "");
  std::printf("[ measure  ] 301 forever, routine bound: %zu requests in %lld ms\n",
              server.requests().size(), elapsed_ms(start));
  EXPECT_EQ(server.requests_to("/loop").size(), size_t(1 + web::kMaxFollowedMoves));
  EXPECT_EQ(*a.redirect_address, "");
  for (const kit::HttpRequest& request : server.requests())
    EXPECT_EQ(request.request_line(), "GET /loop?n=1 HTTP/1.1");
}

// "301" to every request, redirects allowed: Wine's WinINet follows them by
// itself without a bound; it stops only when the server (bounded to 300
// connections here) refuses, and the routine then returns the empty text.
TEST(Faults, Moved301ForeverLeftToWinInet) {
  kit::LoopbackServer::Limits limits;
  limits.max_connections = 300;
  kit::LoopbackServer server(limits);
  server.route("/loop", http_reply(301, "Moved Permanently", {"Location: /loop"}, "moved"));
  auto start = steady_clock::now();
  EXPECT_EQ(web::web_page_access(server.url("/loop")), "");
  std::printf("[ measure  ] 301 forever, WinINet following: %d connections in %lld ms\n",
              server.connection_count(), elapsed_ms(start));
  EXPECT_GE(server.connection_count(), 300);
}

TEST(Faults, NoServerListening) {
  unsigned short port;
  {
    kit::LoopbackServer closed;  // a port that was free a moment ago
    port = closed.port();
  }
  AccessArgs a = with_outputs();
  a.extra_headers = "";
  auto start = steady_clock::now();
  EXPECT_EQ(access("http://127.0.0.1:" + std::to_string(port) + "/x", a), "");
  std::printf("[ measure  ] refused connection: returned after %lld ms\n", elapsed_ms(start));
  // The send failed. On Windows the header query fails too, leaving
  // 5000 spaces that become the redirect; Wine's WinINet answers the query of
  // an unsent request with an empty header block, "\r\n".
  EXPECT_EQ(*a.raw_headers, "\r\n") << "Wine; Windows: 5000 spaces";
  EXPECT_EQ(*a.redirect_address, *a.raw_headers);
  EXPECT_EQ(*a.returned_cookies, "");
}

TEST(Faults, AddressesWithoutAServer) {
  const char* addresses[] = {"", "http://", "https://", "://", "http://:80/", "\xB0\xA1"};
  for (const char* address : addresses) {
    AccessArgs a = with_outputs();
    a.extra_headers = "kept";
    EXPECT_EQ(access(address, a), "") << address;
  }
}

}  // namespace
