// Tables of cases for blanks, pieces, header values, address parts, request
// flags and the UTF-8 conversion.
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <string>
#include <vector>

#include "web/code_page.h"
#include "web/request_flags.h"
#include "web/text_pieces.h"
#include "web/url_parts.h"

namespace {

struct TextCase {
  const char* name;
  std::string input, expected;
};

TEST(TrimBlanks, Table) {
  const TextCase cases[] = {
      {"ASCII spaces", "  a b  ", "a b"},
      {"full-width spaces", "\xA1\xA1" "a\xA1\xA1", "a"},
      {"mixed", " \xA1\xA1 a \xA1\xA1 ", "a"},
      {"only blanks", " \xA1\xA1 ", ""},
      {"empty", "", ""},
      {"tabs are no blanks", "\ta\t", "\ta\t"},
      {"A1 A1 across two characters", "\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0"},
      {"a character ending in A1 before A1 A1", "\xB0\xA1\xA1\xA1", "\xB0\xA1"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(web::trim_blanks(c.input), c.expected) << c.name;
}

TEST(RemoveBlanks, Table) {
  const TextCase cases[] = {
      {"ASCII", " a = 1 ; b ", "a=1;b"},
      {"full-width", "a\xA1\xA1=\xA1\xA1" "1", "a=1"},
      {"A1 A1 across two characters stays", "\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0"},
      {"empty", "", ""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(web::remove_blanks(c.input), c.expected) << c.name;
}

TEST(SplitText, Table) {
  struct Case {
    const char* name;
    std::string text, separator;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"pieces in order", "a;b;c", ";", {"a", "b", "c"}},
      {"empty piece between separators counts", "a;;b", ";", {"a", "", "b"}},
      {"final empty piece dropped", "a;b;", ";", {"a", "b"}},
      {"leading empty piece kept", ";a", ";", {"", "a"}},
      {"empty text yields no pieces", "", ";", {}},
      {"no separator", "abc", ";", {"abc"}},
      {"two-byte separator", "h1\r\nh2\r\n\r\n", "\r\n", {"h1", "h2", ""}},
      {"separator inside a character is none", "\xB0;x;y", ";", {"\xB0;x", "y"}},
  };
  for (const Case& c : cases) EXPECT_EQ(web::split_text(c.text, c.separator), c.expected) << c.name;
}

TEST(HeaderValue, Table) {
  const TextCase cases[] = {
      {"value trimmed", "Location:  http://a/b  ", "http://a/b"},
      {"first colon", "Location: http://a:8080/", "http://a:8080/"},
      {"no colon", "HTTP/1.1 200 OK", ""},
      {"empty value", "X-Empty:", ""},
      {"full-width blanks trimmed", "K:\xA1\xA1v\xA1\xA1", "v"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(web::header_value(c.input), c.expected) << c.name;
}

TEST(UrlParts, Table) {
  struct Case {
    std::string address, host, host_port;
    int port;
    std::string path;
  };
  const Case cases[] = {
      {"http://Example.COM/A/b?C=1", "example.com", "example.com", 80, "/A/b?C=1"},
      {"https://v.Example.com/share/video/1/?x=Y", "v.example.com", "v.example.com", 443,
       "/share/video/1/?x=Y"},
      {"HTTPS://a.b/c", "a.b", "a.b", 443, "/c"},
      {"http://127.0.0.1:8080/p", "127.0.0.1", "127.0.0.1:8080", 8080, "/p"},
      {"https://localhost:8443", "localhost", "localhost:8443", 8443, "/"},
      {"example.com/x", "example.com", "example.com", 80, "/x"},
      {"example.com", "example.com", "example.com", 80, "/"},
      {"localhost:81/q?r", "localhost", "localhost:81", 81, "/q?r"},
      {"http://q:8080:9090/", "q", "q:8080:9090", 9090, "/"},   // the last ":" gives the port
      {"http://q:abc/", "q", "q:abc", 0, "/"},                  // no digits: 0
      {"http://q:81x/", "q", "q:81x", 81, "/"},                 // leading digits
      // The host rule finds the host from position 1, so a host that occurs
      // in "http://" itself is found there: kept as designed.
      {"http://t/x", "t", "t", 80, "//t/x"},
      {"http://a.com?x=1", "a.com?x=1", "a.com?x=1", 80, "/"},  // no "/" after the host
      {"go?u=http://in.side/p", "in.side", "in.side", 80, "/p"},  // first "http://" anywhere
  };
  for (const Case& c : cases) {
    EXPECT_EQ(web::url_host(c.address), c.host) << c.address;
    EXPECT_EQ(web::url_host(c.address, true), c.host_port) << c.address;
    EXPECT_EQ(web::url_port(c.address), c.port) << c.address;
    EXPECT_EQ(web::url_path(c.address), c.path) << c.address;
  }
}

TEST(RequestFlags, Table) {
  const DWORD base = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE;
  struct Case {
    const char* address;
    bool cookie_present, forbid;
    DWORD expected;
  };
  const Case cases[] = {
      {"http://a/", false, false, base | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS},
      {"https://a/", false, false, base | INTERNET_FLAG_SECURE},
      {"HTTPS://a/", false, false, base | INTERNET_FLAG_SECURE},
      {"a.com/", false, false, base | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS},
      {"http://a/", true, false,
       base | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS},
      {"http://a/", false, true,
       base | INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS},
      {"https://a/", true, true,
       base | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_SECURE},
  };
  for (const Case& c : cases)
    EXPECT_EQ(web::request_flags(c.address, c.cookie_present, c.forbid), c.expected) << c.address;
  // The flag values WinINet defines.
  EXPECT_EQ(DWORD(INTERNET_FLAG_RELOAD), 0x80000000u);
  EXPECT_EQ(DWORD(INTERNET_FLAG_NEED_FILE), 0x00000010u);
  EXPECT_EQ(DWORD(INTERNET_FLAG_NO_COOKIES), 0x00080000u);
  EXPECT_EQ(DWORD(INTERNET_FLAG_NO_AUTO_REDIRECT), 0x00200000u);
  EXPECT_EQ(DWORD(INTERNET_FLAG_SECURE), 0x00800000u);
  EXPECT_EQ(DWORD(INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS), 0x00004000u);
}

TEST(Utf8ToGbk, Table) {
  const TextCase cases[] = {
      {"ASCII unchanged", "abc <html>", "abc <html>"},
      {"Chinese", "\xE4\xB8\xAD\xE6\x96\x87", "中文"},
      {"full-width space", "\xE3\x80\x80", "\xA1\xA1"},
      {"user-defined area", "\xEE\x8C\xA8", "\xFA\xD9"},  // U+E328
      {"emoji has no 936 form", "a\xF0\x9F\x98\x80" "b", "a??b"},
      {"invalid UTF-8 becomes the default character", "a\xFF" "b", "a?b"},
      {"cut sequence", "a\xE4\xB8", "a?"},
      {"zero bytes are converted too", std::string("a\0b", 3), std::string("a\0b", 3)},
      {"empty", "", ""},
  };
  for (const TextCase& c : cases) EXPECT_EQ(web::utf8_to_gbk(c.input), c.expected) << c.name;
}

}  // namespace
