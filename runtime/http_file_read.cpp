// HTTP file read: the body of one GET over WinINet, following redirects.
#include "runtime/services.h"

#include <wininet.h>

namespace runtime {
namespace {

struct InternetHandle {
  HINTERNET handle;
  ~InternetHandle() {
    if (handle) InternetCloseHandle(handle);
  }
};

constexpr char kUserAgent[] = "Mozilla/5.0 (Windows NT 6.1) Zovra";

}  // namespace

Bytes http_file_read(const std::string& address) {
  // Only web addresses: a page must not make us read local files.
  if (!is_web_address(address)) return {};
  InternetHandle root{InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0)};
  if (!root.handle) return {};
  InternetHandle request{InternetOpenUrlA(root.handle, address.c_str(), nullptr, 0,
                                          INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                              INTERNET_FLAG_NO_UI,
                                          0)};
  if (!request.handle) return {};
  // An error page is not the file that was asked for.
  DWORD status = 0, size = sizeof status;
  if (HttpQueryInfoA(request.handle, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status,
                     &size, nullptr) &&
      status >= 400)
    return {};
  Bytes body;
  char buffer[16384];
  DWORD read = 0;
  while (InternetReadFile(request.handle, buffer, sizeof buffer, &read) && read > 0)
    body.append(buffer, read);
  return body;
}

}  // namespace runtime
