// Share pages made for tests and the demonstration: the four fields in the
// markup the tool cuts them out of, in code page 936 or as UTF-8.
#pragma once
#include <string>

namespace kit {

struct ShareFields {
  std::string video;        // direct video address
  std::string avatar;       // avatar picture address
  std::string author;       // code page 936
  std::string description;  // code page 936
};

// The page in code page 936, with `charset` in its meta tag.
std::string share_page(const ShareFields& fields, const std::string& charset = "utf-8");

// Code page 936 text as UTF-8 (user-defined-area characters included).
std::string gbk_to_utf8(const std::string& gbk);

}  // namespace kit
