// Cookie merging. Standard library only.
#include "web/cookies.h"

#include <vector>

#include "web/text_between.h"
#include "web/text_pieces.h"

namespace web {
namespace {

std::string cookie_name(const std::string& item) {
  int equals = find_text(item, "=");
  return trim_blanks(equals == -1 ? item : item.substr(0, size_t(equals - 1)));
}

// Each item followed by "; ", the final "; " removed.
std::string join(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += item + "; ";
  if (out.size() >= 2) out.resize(out.size() - 2);
  return out;
}

}  // namespace

std::string merge_cookies(std::string& old_cookies, std::string& new_cookies) {
  old_cookies = remove_blanks(old_cookies);
  new_cookies = remove_blanks(new_cookies);

  std::vector<std::string> merged = split_text(new_cookies, ";");
  for (const std::string& old_item : split_text(old_cookies, ";")) {
    std::string name = cookie_name(old_item);
    bool set = false;
    for (const std::string& item : merged)
      if (cookie_name(item) == name) { set = true; break; }
    if (!set) merged.push_back(old_item);
  }

  std::vector<std::string> live;  // deleted cookies leave the result
  for (const std::string& item : merged)
    if (item.size() < 8 || item.compare(item.size() - 8, 8, "=deleted") != 0)
      live.push_back(item);

  std::vector<std::string> unique;  // exact duplicates of "; "-joined pieces go
  for (const std::string& piece : split_text(join(live), "; ")) {
    bool seen = false;
    for (const std::string& kept : unique)
      if (kept == piece) { seen = true; break; }
    if (!seen) unique.push_back(piece);
  }

  old_cookies = join(unique);
  return old_cookies;
}

}  // namespace web
