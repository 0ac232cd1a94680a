// The eleven arguments of web_page_access for tests, each with its presence
// (an engaged std::optional is a present argument), and the call with them.
#pragma once
#include <optional>
#include <string>

#include "web/web_page_access.h"

struct AccessArgs {
  std::optional<int> method;
  std::optional<std::string> form_data;
  std::optional<std::string> cookie_text;
  std::optional<std::string> returned_cookies;
  std::optional<std::string> extra_headers;
  std::optional<std::string> redirect_address;
  std::optional<int> forbid_redirects;
  std::optional<web::Bytes> byte_body;
  std::optional<std::string> proxy;
  std::optional<std::string> raw_headers;
};

template <class T>
T* present(std::optional<T>& argument) {
  return argument ? &*argument : nullptr;
}

inline std::string access(const std::string& address, AccessArgs& a) {
  return web::web_page_access(address, a.method, present(a.form_data), present(a.cookie_text),
                              present(a.returned_cookies), present(a.extra_headers),
                              present(a.redirect_address), a.forbid_redirects,
                              present(a.byte_body), present(a.proxy), present(a.raw_headers));
}

// Every output present and empty, so that the test can read them all.
inline AccessArgs with_outputs() {
  AccessArgs a;
  a.returned_cookies = "";
  a.redirect_address = "";
  a.raw_headers = "";
  return a;
}
