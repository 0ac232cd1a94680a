// Blanks and pieces of code-page-936 texts. Standard library only.
#include "web/text_pieces.h"

#include "web/text_between.h"

namespace web {
namespace {

// Byte length of the character at `i` (a byte of 0x80 or above starts two).
inline size_t char_length(const std::string& t, size_t i) {
  return (static_cast<unsigned char>(t[i]) >= 0x80 && i + 1 < t.size()) ? 2 : 1;
}

inline bool blank_at(const std::string& t, size_t i, size_t len) {
  return (len == 1 && t[i] == ' ') ||
         (len == 2 && t[i] == '\xA1' && t[i + 1] == '\xA1');
}

}  // namespace

std::string trim_blanks(const std::string& text) {
  size_t begin = text.size(), end = 0;  // first and past-last non-blank bytes
  for (size_t i = 0; i < text.size();) {
    size_t len = char_length(text, i);
    if (!blank_at(text, i, len)) {
      if (begin == text.size()) begin = i;
      end = i + len;
    }
    i += len;
  }
  return begin < end ? text.substr(begin, end - begin) : std::string();
}

std::string remove_blanks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    size_t len = char_length(text, i);
    if (!blank_at(text, i, len)) out.append(text, i, len);
    i += len;
  }
  return out;
}

std::vector<std::string> split_text(const std::string& text, const std::string& separator) {
  std::vector<std::string> pieces;
  if (text.empty()) return pieces;
  if (separator.empty()) return {text};
  int from = 1;
  for (int at; (at = find_text(text, separator, from)) != -1;
       from = at + int(separator.size()))
    pieces.push_back(text.substr(size_t(from - 1), size_t(at - from)));
  if (size_t(from - 1) < text.size()) pieces.push_back(text.substr(size_t(from - 1)));
  return pieces;
}

std::string header_value(const std::string& line) {
  int colon = find_text(line, ":");
  return colon == -1 ? std::string() : trim_blanks(line.substr(size_t(colon)));
}

std::string to_lower(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c | 0x20);
  return out;
}

}  // namespace web
