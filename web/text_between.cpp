// Marker search over code-page-936 byte strings: a fast candidate scan (SSE2
// where the compiler targets it) with the double-byte boundary check done only
// for full matches. Standard library only.
#include "web/text_between.h"

#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace web {
namespace {

using u8 = unsigned char;

inline u8 fold(u8 c) { return (c >= 'A' && c <= 'Z') ? u8(c | 0x20) : c; }
inline bool is_letter(u8 c) { return fold(c) >= 'a' && fold(c) <= 'z'; }

bool equal_folded(const u8* a, const u8* b, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}

// Tells whether byte offset `c` starts a character. `known` is a character
// start at or before `c`; it is moved to the start at `c` or just after it, so
// that a run of candidates costs one pass over the text in all.
bool starts_character(const u8* s, size_t c, size_t& known) {
  // Two single bytes in a row before c resynchronise: whatever the first of
  // them is (a character or a second byte), the second one and c are starts.
  size_t from = known;
  for (size_t j = c; j >= known + 2; --j) {
    if (s[j - 1] < 0x80 && s[j - 2] < 0x80) {
      from = j;
      break;
    }
  }
  while (from < c) from += (s[from] >= 0x80) ? 2 : 1;
  known = from;
  return from == c;
}

// The pattern's first and last bytes, as a candidate's must look after an OR
// with 0x20 where a letter is compared without letter case.
struct Filter {
  u8 first, last;           // pattern bytes to compare with, folded when needed
  u8 first_or, last_or;     // 0x20 for a letter compared without case, else 0
  size_t offset_last;       // pattern length - 1
};

inline bool candidate_at(const u8* s, size_t i, const Filter& f) {
  return u8(s[i] | f.first_or) == f.first && u8(s[i + f.offset_last] | f.last_or) == f.last;
}

// Byte offset of the first candidate at or after `i` whose first and last bytes
// pass the filter, or size_t(-1) when none; `last` is the last offset at which
// the pattern still fits.
size_t next_candidate(const u8* s, size_t i, size_t last, const Filter& f) {
#if defined(__SSE2__)
  const __m128i first = _mm_set1_epi8(char(f.first));
  const __m128i last_byte = _mm_set1_epi8(char(f.last));
  const __m128i first_or = _mm_set1_epi8(char(f.first_or));
  const __m128i last_or = _mm_set1_epi8(char(f.last_or));
  while (i + 16 <= last + 1) {  // 16 candidate offsets i .. i+15 all fit
    __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + f.offset_last));
    __m128i hit = _mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(a, first_or), first),
                                _mm_cmpeq_epi8(_mm_or_si128(b, last_or), last_byte));
    unsigned mask = unsigned(_mm_movemask_epi8(hit));
    if (mask) return i + unsigned(__builtin_ctz(mask));
    i += 16;
  }
#else
  if (!f.first_or) {  // letter case matters for the first byte: memchr is fast
    while (i <= last) {
      const void* p = std::memchr(s + i, f.first, last + 1 - i);
      if (!p) return size_t(-1);
      i = size_t(static_cast<const u8*>(p) - s);
      if (candidate_at(s, i, f)) return i;
      ++i;
    }
    return size_t(-1);
  }
#endif
  for (; i <= last; ++i)
    if (candidate_at(s, i, f)) return i;
  return size_t(-1);
}

}  // namespace

int find_text(const std::string& text, const std::string& pattern, int start,
              bool case_matters) {
  const size_t n = text.size(), m = pattern.size();
  size_t from = start > 1 ? size_t(start - 1) : 0;
  if (m == 0 || m > n || from > n - m) return -1;
  const u8* s = reinterpret_cast<const u8*>(text.data());
  const u8* p = reinterpret_cast<const u8*>(pattern.data());

  Filter f{};
  f.offset_last = m - 1;
  const u8 first = p[0], last = p[m - 1];
  f.first_or = (!case_matters && is_letter(first)) ? 0x20 : 0;
  f.last_or = (!case_matters && is_letter(last)) ? 0x20 : 0;
  f.first = u8(first | f.first_or);
  f.last = u8(last | f.last_or);

  const size_t last_offset = n - m;
  size_t known = 0;  // a character start at or before every later candidate
  for (size_t i = from; i <= last_offset; ++i) {
    i = next_candidate(s, i, last_offset, f);
    if (i == size_t(-1) || i > last_offset) return -1;
    bool same = case_matters ? std::memcmp(s + i, p, m) == 0 : equal_folded(s + i, p, m);
    if (same && starts_character(s, i, known)) return int(i + 1);
  }
  return -1;
}

std::string text_between(const std::string& text, const std::string& start_marker,
                         const std::string& end_marker, int start_position,
                         bool case_matters) {
  // "#引号" stands for a double quote in a marker (exact bytes, code page 936).
  static const std::string quote_word = "#引号";
  auto unquote = [](std::string marker) {
    for (size_t at = marker.find(quote_word); at != std::string::npos;
         at = marker.find(quote_word, at + 1))
      marker.replace(at, quote_word.size(), "\"");
    return marker;
  };
  const std::string start = unquote(start_marker), end = unquote(end_marker);

  int p = find_text(text, start, start_position, case_matters);
  if (p == -1) return {};
  p += int(start.size());
  int q = find_text(text, end, p, case_matters);
  if (q == -1) return {};
  return text.substr(size_t(p - 1), size_t(q - p));
}

}  // namespace web
