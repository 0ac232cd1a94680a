// An HTTPS front for the loopback server: starts tests/web/https_forwarder.py
// (Python 3, run natively by Wine) with the certificate that tools/test-ca made
// for localhost, and stops it in its destructor. Platform and standard library.
#pragma once
#include <string>

class HttpsFront {
 public:
  // Forwards TLS connections on localhost to 127.0.0.1:target_port, showing
  // the certificate `name` of the build folder's test-ca/ ("localhost", issued
  // by the test authority, or "untrusted", self-signed). The forwarder exits
  // by itself after `lifetime_s` seconds at the latest.
  explicit HttpsFront(unsigned short target_port, const std::string& name = "localhost",
                      int lifetime_s = 180);
  ~HttpsFront();
  HttpsFront(const HttpsFront&) = delete;
  HttpsFront& operator=(const HttpsFront&) = delete;

  bool ready() const { return port_ != 0; }
  const std::string& why_not() const { return why_not_; }  // when not ready
  unsigned short port() const { return port_; }
  // "https://localhost:PORT" followed by `path`.
  std::string url(const std::string& path = "/") const;

 private:
  unsigned short port_ = 0;
  std::string why_not_;
  std::string port_file_, stop_file_;  // Windows paths
};
