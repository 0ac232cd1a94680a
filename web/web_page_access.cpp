// One HTTP request over WinINet, step by step, with the "301" chain
// bounded. Uses WinINet and the standard library.
#include "web/web_page_access.h"

#include <windows.h>
#include <wininet.h>

#include <cstring>
#include <string_view>
#include <utility>

#include "web/code_page.h"
#include "web/cookies.h"
#include "web/request_flags.h"
#include "web/text_between.h"
#include "web/text_pieces.h"
#include "web/url_parts.h"

namespace web {

const char* const kDefaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; MQ7T9; .NET CLR 2.0.50727; "
    ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

namespace {

constexpr DWORD kReadPiece = 1024;
constexpr DWORD kRawHeaderBuffer = 5000;

// An owned WinINet handle; close() releases it early, the destructor otherwise.
class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  ~InternetHandle() { close(); }
  HINTERNET get() const { return handle_; }
  void close() {
    if (handle_) InternetCloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HINTERNET handle_;
};

// The arguments of one call, every one present: absent outputs point at
// storage of the outermost call. The two presence flags change the request.
struct Call {
  int method;
  const std::string* form_data;
  std::string* cookie_text;
  bool cookie_present;
  std::string* returned_cookies;
  std::string* extra_headers;
  std::string* redirect_address;
  int forbid_redirects;
  Bytes* byte_body;
  const std::string* proxy;
  bool proxy_present;
  std::string* raw_headers;
};

std::string user_agent(const std::string& extra_headers) {
  if (find_text(extra_headers, "User-Agent:", 1, false) == -1) return kDefaultUserAgent;
  std::string agent = trim_blanks(text_between(extra_headers, "User-Agent:", "\r\n"));
  return agent.empty() ? header_value(extra_headers) : agent;
}

void complete_headers(std::string& headers, const std::string& address,
                      const std::string& cookie_text) {
  if (find_text(headers, "Referer:") == -1)
    headers += (headers.empty() ? "Referer: " : "\r\nReferer: ") + address;
  if (find_text(headers, "Accept:") == -1) headers += "\r\nAccept: */*";
  if (find_text(headers, "Accept-Language:") == -1) headers += "\r\nAccept-Language: zh-cn";
  if (find_text(headers, "Content-Type:") == -1)
    headers += "\r\nContent-Type: application/x-www-form-urlencoded";
  if (!cookie_text.empty()) headers += "\r\nCookie: " + cookie_text;
}

Bytes read_body(HINTERNET request) {
  Bytes body;
  for (;;) {
    char piece[kReadPiece] = {};
    DWORD count = 0;
    if (!InternetReadFile(request, piece, kReadPiece, &count) || count == 0) break;
    body.append(piece, count);
  }
  return body;
}

std::string read_raw_headers(HINTERNET request) {
  char buffer[kRawHeaderBuffer];
  std::memset(buffer, ' ', sizeof buffer);
  DWORD length = kRawHeaderBuffer;
  HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer, &length, nullptr);
  // Read as text: up to the terminator the call wrote, else all 5000 spaces.
  const void* end = std::memchr(buffer, 0, sizeof buffer);
  return std::string(buffer, end ? size_t(static_cast<const char*>(end) - buffer) : sizeof buffer);
}

void parse_raw_headers(const std::string& raw, Call& call) {
  std::string& cookies = *call.returned_cookies;
  cookies.clear();
  for (const std::string& line : split_text(raw, "\r\n")) {
    if (find_text(line, "Location:") != -1) *call.redirect_address = header_value(line);
    if (find_text(line, "Set-Cookie") != -1)
      cookies += trim_blanks(text_between(line, "Set-Cookie:", ";")) + "; ";
  }
  if (cookies.size() >= 2) cookies.resize(cookies.size() - 2);
}

bool wants_utf8_decoding(const Bytes& body, const std::string& raw) {
  // The body is a byte buffer: a plain byte search, first occurrence below 500.
  const size_t window = body.size() < 503 ? body.size() : 503;
  if (std::string_view(body.data(), window).find("utf-8") != std::string_view::npos) return true;
  return find_text(raw, "utf-8", 1, false) != -1;
}

// A server that accepts and then never answers would otherwise hold the caller
// (the GUI thread) for good: some WinINet builds have no time-out of their own,
// and some take one only on the request handle.
void set_time_limits(HINTERNET request) {
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                       INTERNET_OPTION_RECEIVE_TIMEOUT}) {
    DWORD ms = kRequestTimeoutMs;
    InternetSetOptionA(request, option, &ms, sizeof ms);
  }
}

std::string access(const std::string& address, Call& call, int followed) {
  const char* verb = call.method == 1 ? "POST" : "GET";
  const std::string agent = user_agent(*call.extra_headers);

  // The root handle: direct, or through the proxy when one is given.
  const std::string proxy_list = "http=" + *call.proxy;
  InternetHandle root(call.proxy_present
                          ? InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PROXY,
                                          proxy_list.c_str(), "", 0)
                          : InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, "", "", 0));
  if (!root.get()) return {};
  // The connection to the address's host and port.
  const std::string host = url_host(address, false);
  InternetHandle connection(InternetConnectA(root.get(), host.c_str(),
                                             INTERNET_PORT(url_port(address)), "", "",
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection.get()) return {};

  // The request, with its flags.
  const std::string path = url_path(address);
  const DWORD flags = request_flags(address, call.cookie_present, call.forbid_redirects != 0);
  InternetHandle request(HttpOpenRequestA(connection.get(), verb, path.c_str(), "HTTP/1.1",
                                          nullptr, nullptr, flags, 0));
  if (!request.get()) return {};
  set_time_limits(request.get());

  // The completed headers, written back, and the send.
  std::string& headers = *call.extra_headers;
  complete_headers(headers, address, *call.cookie_text);
  if (call.method != 0) {
    Bytes& body = *call.byte_body;
    if (body.empty()) body = *call.form_data;
    HttpSendRequestA(request.get(), headers.data(), DWORD(headers.size()),
                     body.empty() ? nullptr : &body[0], DWORD(body.size()));
  } else {
    HttpSendRequestA(request.get(), headers.data(), DWORD(headers.size()), nullptr, 0);
  }

  // Body and raw headers; the handles close before any parsing.
  Bytes body = read_body(request.get());
  std::string& raw = *call.raw_headers;
  raw = read_raw_headers(request.get());
  request.close();
  connection.close();
  root.close();

  // Redirect address and cookies from the raw headers.
  parse_raw_headers(raw, call);
  if (call.cookie_present) merge_cookies(*call.cookie_text, *call.returned_cookies);
  if (call.redirect_address->empty()) *call.redirect_address = raw;

  // A "301" is followed by a new request, bounded: an endless chain of "301" answers ends with the empty text.
  if (text_between(raw, "HTTP/1.1 ", " Moved") == "301") {
    const std::string next = *call.redirect_address + url_path(address);
    call.redirect_address->clear();
    if (followed >= kMaxFollowedMoves) return {};
    // Every argument is passed as present: the follow-up runs without WinINet's
    // cookies and in proxy mode, with the list "http=" alone when the first call
    // had no proxy. Wine's WinINet then connects directly (tested), so the
    // follow-up keeps the list.
    call.cookie_present = true;
    call.proxy_present = true;
    return access(next, call, followed + 1);
  }

  // UTF-8 pages become code page 936; the text ends at the first zero byte.
  if (wants_utf8_decoding(body, raw)) body = utf8_to_gbk(body);
  return std::string(body.c_str());
}

}  // namespace

std::string web_page_access(const std::string& address, std::optional<int> method,
                            const std::string* form_data, std::string* cookie_text,
                            std::string* returned_cookies, std::string* extra_headers,
                            std::string* redirect_address, std::optional<int> forbid_redirects,
                            Bytes* byte_body, const std::string* proxy,
                            std::string* raw_headers) {
  // Storage for the absent arguments; a "301" follow-up passes it as present.
  std::string local_form, local_cookies, local_returned, local_headers, local_redirect,
      local_proxy, local_raw;
  Bytes local_body;
  Call call{method.value_or(0),
            form_data ? form_data : &local_form,
            cookie_text ? cookie_text : &local_cookies,
            cookie_text != nullptr,
            returned_cookies ? returned_cookies : &local_returned,
            extra_headers ? extra_headers : &local_headers,
            redirect_address ? redirect_address : &local_redirect,
            forbid_redirects.value_or(0),
            byte_body ? byte_body : &local_body,
            proxy ? proxy : &local_proxy,
            proxy != nullptr,
            raw_headers ? raw_headers : &local_raw};
  return access(address, call, 0);
}

}  // namespace web
