// Parts of an address. Standard library only.
#include "web/url_parts.h"

#include <cstdlib>

#include "web/text_between.h"
#include "web/text_pieces.h"

namespace web {
namespace {

bool starts_https(const std::string& address) {
  return to_lower(address.substr(0, 5)) == "https";
}

// The integer value of a text: optional sign and the leading digits, 0 when none.
int to_integer(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if (value < 0x7FFFFFFF) value = value * 10 + (text[i] - '0');
  if (value > 0x7FFFFFFF) value = 0x7FFFFFFF;
  return int(negative ? -value : value);
}

}  // namespace

std::string url_host(const std::string& address, bool keep_port) {
  std::string lower = to_lower(address);
  if (lower.empty() || lower.back() != '/') lower += '/';
  std::string host;
  if (lower.compare(0, 8, "https://") == 0) {
    host = text_between(lower, "https://", "/");
  } else {
    if (find_text(lower, "http://") == -1) lower = "http://" + lower;
    host = text_between(lower, "http://", "/");
  }
  if (!keep_port) {
    int colon = find_text(host, ":");
    if (colon != -1) host.resize(size_t(colon - 1));
  }
  return host;
}

int url_port(const std::string& address) {
  std::string host = url_host(address, true);
  size_t colon = host.rfind(':');
  if (colon != std::string::npos) return to_integer(host.substr(colon + 1));
  return starts_https(address) ? 443 : 80;
}

std::string url_path(const std::string& address) {
  int host_at = find_text(address, url_host(address, false), 1, false);
  int slash = find_text(address, "/", host_at);
  return slash == -1 ? std::string("/") : address.substr(size_t(slash - 1));
}

}  // namespace web
