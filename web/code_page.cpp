// Conversion of UTF-8 pages to code page 936. Platform conversions only.
#include "web/code_page.h"

#include <windows.h>

#include <climits>

namespace web {

std::string utf8_to_gbk(const Bytes& utf8) {
  if (utf8.empty() || utf8.size() > size_t(INT_MAX)) return {};
  const int in_length = int(utf8.size());
  int wide_length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), in_length, nullptr, 0);
  if (wide_length <= 0) return {};
  std::wstring wide(size_t(wide_length), L'\0');
  wide_length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), in_length, &wide[0], wide_length);
  if (wide_length <= 0) return {};

  int out_length = WideCharToMultiByte(936, WC_COMPOSITECHECK, wide.data(), wide_length,
                                       nullptr, 0, nullptr, nullptr);
  if (out_length <= 0) return {};
  std::string out(size_t(out_length), '\0');
  out_length = WideCharToMultiByte(936, WC_COMPOSITECHECK, wide.data(), wide_length, &out[0],
                                   out_length, nullptr, nullptr);
  out.resize(out_length > 0 ? size_t(out_length) : 0);
  return out;
}

}  // namespace web
