// Conversion of UTF-8 pages to code page 936. Uses the platform's
// code-page conversion only.
#pragma once
#include <string>

#include "web/bytes.h"

namespace web {

// UTF-8 (code page 65001, flags 0) to UTF-16, then to code page 936 with
// WC_COMPOSITECHECK and the code page's own default character ("?") for what
// it cannot hold. Invalid UTF-8 becomes U+FFFD first, so "?" too. Every byte
// is converted, zero bytes included; the result holds exactly the output.
std::string utf8_to_gbk(const Bytes& utf8);

}  // namespace web
