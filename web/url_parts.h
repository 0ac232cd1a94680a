// Parts of an address as they are taken apart for WinINet: host, port and
// path (query included). Standard library only.
#pragma once
#include <string>

namespace web {

// The lower-cased host of `address` (scheme optional, "http://" assumed), with
// ":port" only when `keep_port` is on.
std::string url_host(const std::string& address, bool keep_port = false);

// The port after the host's last ":", else 443 for an address starting
// "https" (any letter case), else 80.
int url_port(const std::string& address);

// The address from the first "/" at or after its host to the end, letter case
// unchanged; "/" when there is none.
std::string url_path(const std::string& address);

}  // namespace web
