// Share-page markup for tests; conversions go through UTF-16 like the system's.
#include "tests/kit/share_page.h"

#include <windows.h>

namespace kit {

std::string share_page(const ShareFields& f, const std::string& charset) {
  // The author's and the description's end markers begin with characters of
  // the code page's user-defined area, as the real pages' do.
  return "<!DOCTYPE html><html><head><meta charset=\"" + charset + "\">\n"
         "<title>分享</title>\n"
         "<meta name='twitter:title' content='" + f.author + "\xFA\xD9' />\n"
         "<meta content=\"" + f.description + "\xFD\xAB\" name=\"description\">\n"
         "</head><body>\n"
         "<div class=\"user\"><img style=\"width:45px;height:45px;\" src=\"" + f.avatar +
         "\" /></div>\n"
         "<video poster=\"http://p.example/cover.jpg\" src=\"" + f.video +
         "\" controls=\"controls\" loop=\"loop\"></video>\n"
         "</body></html>\n";
}

std::string gbk_to_utf8(const std::string& gbk) {
  int wide_length = MultiByteToWideChar(936, 0, gbk.data(), int(gbk.size()), nullptr, 0);
  std::wstring wide(size_t(wide_length), L'\0');
  MultiByteToWideChar(936, 0, gbk.data(), int(gbk.size()), wide.data(), wide_length);
  int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr,
                                   nullptr);
  std::string utf8(size_t(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, utf8.data(), length, nullptr,
                      nullptr);
  return utf8;
}

}  // namespace kit
