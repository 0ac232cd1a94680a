// One HTTP or HTTPS request over WinINet: completes the request
// headers, collects cookies and the redirect address, follows "301" answers and
// decodes UTF-8 pages to code page 936. Uses WinINet and the standard library.
#pragma once
#include <optional>
#include <string>

#include "web/bytes.h"

namespace web {

// Presence of an optional argument: a text or byte-buffer argument is present
// when its pointer is not null (in/out and out arguments are written through
// it); an integer argument is present when its std::optional holds a value.
// An absent argument behaves as its empty value (0 for the integers), except
// that a present cookie text switches WinINet's own cookie handling off and
// turns merging on, and a present proxy selects proxy mode.
//
//   std::string page = web::web_page_access(address);   // every option absent
//
// Returns the response body as text in code page 936 (up to its first zero
// byte); the empty text on failure.
//
// A "301" answer is followed by calling again with every argument present (so
// without WinINet's cookies, and in proxy mode with the list "http=" alone when
// no proxy was given). Guarded: at most kMaxFollowedMoves such
// answers are followed in one call; when one more arrives the empty text is
// returned.
std::string web_page_access(const std::string& address,
                            std::optional<int> method = std::nullopt,     // 1 = POST, else GET
                            const std::string* form_data = nullptr,       // in
                            std::string* cookie_text = nullptr,           // in/out
                            std::string* returned_cookies = nullptr,      // out
                            std::string* extra_headers = nullptr,         // in/out
                            std::string* redirect_address = nullptr,      // out
                            std::optional<int> forbid_redirects = std::nullopt,
                            Bytes* byte_body = nullptr,                   // in/out
                            const std::string* proxy = nullptr,           // "host:port"
                            std::string* raw_headers = nullptr);          // out

constexpr int kMaxFollowedMoves = 10;

// Connecting, sending and each wait for data give up after this long, so a
// server that stops answering cannot hold the caller for good.
constexpr unsigned kRequestTimeoutMs = 30000;

// The user agent sent when the extra headers name none.
extern const char* const kDefaultUserAgent;

}  // namespace web
