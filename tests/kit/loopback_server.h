// A scripted HTTP server on 127.0.0.1 for tests: Winsock, one listening thread
// and one thread per connection, an ephemeral port, replies chosen per path,
// every request recorded as its bytes arrived. Bounded in connections, request
// size and lifetime; it stops in its destructor. Uses Winsock and the standard library.
//
//   kit::LoopbackServer server;
//   server.route("/page", kit::http_reply(200, "OK", {"Content-Type: text/html"}, html));
//   ... GET server.url("/page") ...
//   auto seen = server.wait_for_request("/page", std::chrono::seconds(5));
#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace kit {

// One request as it arrived on the wire.
struct HttpRequest {
  std::string raw;     // every byte received for it: request line, headers, blank line, body
  std::string head;    // request line and header lines, each ending "\r\n", without the blank line
  std::string body;    // Content-Length bytes after the blank line
  std::string method;  // "GET"
  std::string target;  // as sent: "/a?b=1", or "http://host:port/a?b=1" through a proxy
  std::string path;    // the target without scheme, host and query: "/a"
  int connection = 0;  // 1-based number of the connection it came on

  std::string request_line() const;                 // "GET /a?b=1 HTTP/1.1"
  std::vector<std::string> header_lines() const;    // in order, without line ends
  // Values of the lines named `name` (letter case ignored), blanks trimmed, in order.
  std::vector<std::string> header_values(const std::string& name) const;
  std::string header(const std::string& name) const;  // the first value; empty when none
};

// What the server does for one request: write `bytes` as they are, then wait
// `stall_ms` (a server that stops answering; cut short when the server stops),
// then close the connection unless `keep_alive`.
struct Reply {
  std::string bytes;
  int stall_ms = 0;
  bool keep_alive = false;
};

// A complete response: the status line, the given header lines, Content-Length
// (unless a header line names it or `add_length` is false), "Connection: close",
// the blank line and the body.
Reply http_reply(int status, const std::string& reason,
                 const std::vector<std::string>& headers = {}, const std::string& body = {},
                 bool add_length = true);

using Handler = std::function<Reply(const HttpRequest&)>;

class LoopbackServer {
 public:
  struct Limits {
    int max_connections = 2000;               // later connections are closed at once
    size_t max_request_bytes = 64u << 20;     // a longer request is cut there and answered
    int idle_ms = 10000;                      // a connection silent this long is closed
    int lifetime_ms = 10 * 60 * 1000;         // the server stops accepting after this
  };

  LoopbackServer();
  explicit LoopbackServer(Limits limits);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  bool listening() const { return port_ != 0; }
  unsigned short port() const { return port_; }
  // "http://127.0.0.1:PORT" followed by `path`; `host` replaces 127.0.0.1.
  std::string url(const std::string& path = "/", const std::string& host = "127.0.0.1") const;

  // The reply for requests whose path (query left out) equals `path`; a later
  // route for the same path replaces the earlier one. Unrouted paths get 404.
  void route(const std::string& path, const std::string& response_bytes);
  void route(const std::string& path, Reply reply);
  void route(const std::string& path, Handler handler);

  std::vector<HttpRequest> requests() const;                         // all, in arrival order
  std::vector<HttpRequest> requests_to(const std::string& path) const;
  int connection_count() const;

  // Waits (at most `timeout`) until `count` requests to `path` have arrived,
  // and returns the last of those; nothing when the time ran out.
  std::optional<HttpRequest> wait_for_request(const std::string& path,
                                              std::chrono::milliseconds timeout,
                                              size_t count = 1) const;

  void stop();  // stops accepting, cuts stalls short, joins every thread; idempotent

 private:
  void accept_loop();
  void serve(uintptr_t socket, int number);
  Handler handler_for(const std::string& path) const;
  bool stopping() const;
  bool pause(int ms) const;  // false when the server stops meanwhile

  Limits limits_;
  uintptr_t listener_;
  unsigned short port_ = 0;
  std::chrono::steady_clock::time_point started_;

  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  bool stop_ = false;
  std::map<std::string, Handler> routes_;
  std::vector<HttpRequest> requests_;
  int connections_ = 0;
  std::vector<std::thread> workers_;
  std::thread acceptor_;
};

}  // namespace kit
