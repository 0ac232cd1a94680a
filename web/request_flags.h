// The WinINet request flags, from the address and the two arguments
// that change them. Uses the platform's WinINet definitions only.
#pragma once
#include <windows.h>

#include <string>

namespace web {

// INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE, with INTERNET_FLAG_NO_COOKIES
// when a cookie text is present, INTERNET_FLAG_NO_AUTO_REDIRECT when redirects
// are forbidden, and INTERNET_FLAG_SECURE for an address starting "https" (any
// letter case), INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS otherwise.
DWORD request_flags(const std::string& address, bool cookie_present, bool forbid_redirects);

}  // namespace web
