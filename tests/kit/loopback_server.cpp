// The scripted loopback HTTP server of the tests. Winsock and the standard library.
#include "tests/kit/loopback_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace kit {
namespace {

constexpr int kPollMs = 20;

std::string lower(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string trim(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return {};
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

// Waits until the socket can be read, at most `ms`.
bool readable(SOCKET s, int ms) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{ms / 1000, (ms % 1000) * 1000};
  return select(0, &set, nullptr, nullptr, &wait) > 0;
}

bool writable(SOCKET s, int ms) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval wait{ms / 1000, (ms % 1000) * 1000};
  return select(0, nullptr, &set, nullptr, &wait) > 0;
}

std::string path_of(const std::string& target) {
  std::string path = target;
  size_t scheme = path.find("://");
  if (scheme != std::string::npos && scheme < path.find('/')) {  // a proxy's absolute form
    size_t slash = path.find('/', scheme + 3);
    path = slash == std::string::npos ? "/" : path.substr(slash);
  }
  size_t query = path.find_first_of("?#");
  if (query != std::string::npos) path.resize(query);
  return path;
}

// Fills method, target and path from the head.
void parse_request_line(HttpRequest& request) {
  std::string line = request.request_line();
  size_t first = line.find(' ');
  size_t second = line.find(' ', first == std::string::npos ? first : first + 1);
  request.method = line.substr(0, first);
  if (first != std::string::npos)
    request.target = line.substr(first + 1, second == std::string::npos ? std::string::npos
                                                                        : second - first - 1);
  request.path = path_of(request.target);
}

size_t content_length(const HttpRequest& request) {
  std::string value = request.header("Content-Length");
  return value.empty() ? 0 : size_t(std::strtoull(value.c_str(), nullptr, 10));
}

}  // namespace

std::string HttpRequest::request_line() const { return head.substr(0, head.find("\r\n")); }

std::vector<std::string> HttpRequest::header_lines() const {
  std::vector<std::string> lines;
  size_t at = head.find("\r\n");
  while (at != std::string::npos && at + 2 < head.size()) {
    size_t next = head.find("\r\n", at + 2);
    lines.push_back(head.substr(at + 2, next == std::string::npos ? std::string::npos
                                                                   : next - at - 2));
    at = next;
  }
  return lines;
}

std::vector<std::string> HttpRequest::header_values(const std::string& name) const {
  std::vector<std::string> values;
  const std::string wanted = lower(name);
  for (const std::string& line : header_lines()) {
    size_t colon = line.find(':');
    if (colon != std::string::npos && lower(trim(line.substr(0, colon))) == wanted)
      values.push_back(trim(line.substr(colon + 1)));
  }
  return values;
}

std::string HttpRequest::header(const std::string& name) const {
  std::vector<std::string> values = header_values(name);
  return values.empty() ? std::string() : values.front();
}

Reply http_reply(int status, const std::string& reason, const std::vector<std::string>& headers,
                 const std::string& body, bool add_length) {
  std::string bytes = "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\n";
  bool has_length = false;
  for (const std::string& line : headers) {
    bytes += line + "\r\n";
    if (lower(line).rfind("content-length:", 0) == 0) has_length = true;
  }
  if (add_length && !has_length) bytes += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  bytes += "Connection: close\r\n\r\n";
  bytes += body;
  return Reply{bytes};
}

LoopbackServer::LoopbackServer() : LoopbackServer(Limits{}) {}

LoopbackServer::LoopbackServer(Limits limits)
    : limits_(limits), listener_(INVALID_SOCKET), started_(std::chrono::steady_clock::now()) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;  // ephemeral
  int length = sizeof address;
  if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(s, SOMAXCONN) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    closesocket(s);
    return;
  }
  listener_ = s;
  port_ = ntohs(address.sin_port);
  acceptor_ = std::thread([this] { accept_loop(); });
}

LoopbackServer::~LoopbackServer() {
  stop();
  WSACleanup();
}

std::string LoopbackServer::url(const std::string& path, const std::string& host) const {
  return "http://" + host + ":" + std::to_string(port_) + path;
}

void LoopbackServer::route(const std::string& path, const std::string& response_bytes) {
  route(path, Reply{response_bytes});
}

void LoopbackServer::route(const std::string& path, Reply reply) {
  route(path, Handler([reply](const HttpRequest&) { return reply; }));
}

void LoopbackServer::route(const std::string& path, Handler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  routes_[path] = std::move(handler);
}

std::vector<HttpRequest> LoopbackServer::requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::vector<HttpRequest> LoopbackServer::requests_to(const std::string& path) const {
  std::vector<HttpRequest> matching;
  for (const HttpRequest& request : requests())
    if (request.path == path) matching.push_back(request);
  return matching;
}

int LoopbackServer::connection_count() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return connections_;
}

std::optional<HttpRequest> LoopbackServer::wait_for_request(const std::string& path,
                                                            std::chrono::milliseconds timeout,
                                                            size_t count) const {
  std::unique_lock<std::mutex> lock(mutex_);
  std::optional<HttpRequest> found;
  changed_.wait_for(lock, timeout, [&] {
    size_t seen = 0;
    for (const HttpRequest& request : requests_)
      if (request.path == path && ++seen == count) {
        found = request;
        return true;
      }
    return false;
  });
  return found;
}

void LoopbackServer::stop() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  changed_.notify_all();
  if (acceptor_.joinable()) acceptor_.join();
  // The acceptor has ended: no worker is added any more.
  for (std::thread& worker : workers_)
    if (worker.joinable()) worker.join();
  workers_.clear();
  if (listener_ != INVALID_SOCKET) closesocket(SOCKET(listener_));
  listener_ = INVALID_SOCKET;
}

bool LoopbackServer::stopping() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return stop_;
}

bool LoopbackServer::pause(int ms) const {
  std::unique_lock<std::mutex> lock(mutex_);
  return !changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stop_; });
}

Handler LoopbackServer::handler_for(const std::string& path) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto found = routes_.find(path);
  if (found != routes_.end()) return found->second;
  return [](const HttpRequest&) { return http_reply(404, "Not Found", {}, "not found"); };
}

void LoopbackServer::accept_loop() {
  const SOCKET listener = SOCKET(listener_);
  while (!stopping() &&
         std::chrono::steady_clock::now() - started_ <
             std::chrono::milliseconds(limits_.lifetime_ms)) {
    if (!readable(listener, kPollMs)) continue;
    SOCKET s = accept(listener, nullptr, nullptr);
    if (s == INVALID_SOCKET) continue;
    int number;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      number = ++connections_;
    }
    if (number > limits_.max_connections) {
      closesocket(s);
      continue;
    }
    workers_.emplace_back([this, s, number] { serve(uintptr_t(s), number); });
  }
}

void LoopbackServer::serve(uintptr_t handle, int number) {
  const SOCKET s = SOCKET(handle);
  std::string pending;  // bytes received and not yet part of a request
  bool open = true;
  while (open && !stopping()) {
    // Read one request: the head up to the blank line, then Content-Length bytes.
    HttpRequest request;
    request.connection = number;
    size_t head_end = std::string::npos;
    int idle = 0;
    auto complete = [&] {
      if (head_end == std::string::npos) head_end = pending.find("\r\n\r\n");
      if (head_end == std::string::npos) return pending.size() >= limits_.max_request_bytes;
      if (request.head.empty()) {
        request.head = pending.substr(0, head_end + 2);
        parse_request_line(request);
      }
      size_t want = std::min(head_end + 4 + content_length(request), limits_.max_request_bytes);
      return pending.size() >= want;
    };
    while (!complete()) {
      if (stopping() || idle >= limits_.idle_ms) {
        open = false;
        break;
      }
      if (!readable(s, kPollMs)) {
        idle += kPollMs;
        continue;
      }
      char buffer[16384];
      int got = recv(s, buffer, sizeof buffer, 0);
      if (got <= 0) {
        open = false;
        break;
      }
      idle = 0;
      pending.append(buffer, size_t(got));
    }
    if (!open && pending.empty()) break;
    if (request.head.empty()) {  // closed or cut before the blank line: keep what came
      request.head = pending.substr(0, std::min(pending.size(), limits_.max_request_bytes));
      parse_request_line(request);
    }
    size_t used = std::min(pending.size(), head_end == std::string::npos
                                               ? pending.size()
                                               : head_end + 4 + content_length(request));
    used = std::min(used, limits_.max_request_bytes);
    request.raw = pending.substr(0, used);
    if (head_end != std::string::npos && used > head_end + 4)
      request.body = request.raw.substr(head_end + 4);
    pending.erase(0, used);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      requests_.push_back(request);
    }
    changed_.notify_all();
    if (!open) break;  // the client went away mid-request: nothing to answer

    Reply reply = handler_for(request.path)(request);
    size_t sent = 0;
    while (sent < reply.bytes.size() && !stopping()) {
      if (!writable(s, kPollMs)) continue;
      int chunk = int(std::min<size_t>(reply.bytes.size() - sent, 1 << 16));
      int put = send(s, reply.bytes.data() + sent, chunk, 0);
      if (put <= 0) break;
      sent += size_t(put);
    }
    if (reply.stall_ms > 0) pause(reply.stall_ms);
    open = reply.keep_alive && sent == reply.bytes.size();
  }
  // Close politely, so that the client reads everything before the end of data.
  shutdown(s, SD_SEND);
  for (int waited = 0; waited < 1000 && readable(s, kPollMs) ; waited += kPollMs) {
    char buffer[4096];
    if (recv(s, buffer, sizeof buffer, 0) <= 0) break;
  }
  closesocket(s);
}

}  // namespace kit
