// The WinINet request flags. WinINet definitions only.
#include "web/request_flags.h"

#include <wininet.h>

#include "web/text_pieces.h"

namespace web {

DWORD request_flags(const std::string& address, bool cookie_present, bool forbid_redirects) {
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE;
  if (cookie_present) flags |= INTERNET_FLAG_NO_COOKIES;
  if (forbid_redirects) flags |= INTERNET_FLAG_NO_AUTO_REDIRECT;
  flags |= to_lower(address.substr(0, 5)) == "https" ? INTERNET_FLAG_SECURE
                                                    : INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
  return flags;
}

}  // namespace web
