// Benchmark of the web subsystem's text work: text_between over a 4 MB page
// with its markers near the end, as a ratio to std::search and to
// std::string_view::find (memchr and memcmp; mingw has no memmem) over the same
// bytes in the same run, and utf8_to_gbk of a 4 MB page in MB/s.
// Goals: at most 2x with letter case mattering, 4x ignoring it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>

#include "web/code_page.h"
#include "web/text_between.h"

namespace {

constexpr size_t kPageBytes = 4u << 20;

// A share page as it looks: tags, quotes, Chinese text in code page 936, and
// many near-misses of the markers; the wanted value sits 2 KB before the end.
std::string make_gbk_page() {
  const std::string chunk =
      "<div class=\"item\" data-id=\"12345\"><span title=\"作者\">张三的视频，"
      "描述文字</span><a href=\"/share/video/987\">play</a> \"playAddr\": none "
      "\"play\":\"x\"</div>\n";
  std::string page;
  while (page.size() < kPageBytes - 2048) page += chunk;
  page += "<script>window.data = {\"playAddr\":\"https://v.example.com/video/abc.mp4\",";
  while (page.size() < kPageBytes) page += "\"pad\":\"填充\",";
  return page;
}

std::string make_utf8_page() {
  const std::string chunk =
      "<p class=\"desc\">\xE4\xBD\x9C\xE8\x80\x85\xEF\xBC\x9A\xE5\xBC\xA0\xE4\xB8\x89 "
      "\xE6\x8F\x8F\xE8\xBF\xB0\xE6\x96\x87\xE5\xAD\x97 video 12345</p>\n";
  std::string page;
  while (page.size() < kPageBytes) page += chunk;
  return page;
}

// The best of `rounds` runs, in microseconds.
double best_us(int rounds, const std::function<size_t()>& work, size_t& sink) {
  double best = 1e30;
  for (int i = 0; i < rounds; ++i) {
    auto start = std::chrono::steady_clock::now();
    sink += work();
    auto end = std::chrono::steady_clock::now();
    best = std::min(best, std::chrono::duration<double, std::micro>(end - start).count());
  }
  return best;
}

}  // namespace

int main() {
  const std::string page = make_gbk_page();
  const std::string start_marker = "\"playAddr\":\"", end_marker = "\"";
  const std::string start_folded = "\"PLAYaddr\":\"";
  size_t sink = 0;
  const int rounds = 15;

  std::string found = web::text_between(page, start_marker, end_marker, 0, true);
  std::printf("page: %zu bytes, value found: %s\n", page.size(), found.c_str());

  // The same two searches by the references: start marker, then end marker after it.
  double search_us = best_us(rounds, [&] {
    auto at = std::search(page.begin(), page.end(), start_marker.begin(), start_marker.end());
    auto from = at + std::ptrdiff_t(start_marker.size());
    auto end = std::search(from, page.end(), end_marker.begin(), end_marker.end());
    return size_t(end - from);
  }, sink);
  double find_us = best_us(rounds, [&] {
    std::string_view view(page);
    size_t at = view.find(start_marker);
    size_t from = at + start_marker.size();
    return view.find(end_marker, from) - from;
  }, sink);
  double horspool_us = best_us(rounds, [&] {  // a stronger reference, shown only
    std::boyer_moore_horspool_searcher start(start_marker.begin(), start_marker.end());
    std::boyer_moore_horspool_searcher end(end_marker.begin(), end_marker.end());
    auto at = std::search(page.begin(), page.end(), start);
    auto from = at + std::ptrdiff_t(start_marker.size());
    return size_t(std::search(from, page.end(), end) - from);
  }, sink);
  double case_us = best_us(rounds, [&] {
    return web::text_between(page, start_marker, end_marker, 0, true).size();
  }, sink);
  double nocase_us = best_us(rounds, [&] {
    return web::text_between(page, start_folded, end_marker, 0, false).size();
  }, sink);
  const double reference_us = std::min(search_us, find_us);

  std::printf("std::search:                  %9.1f us\n", search_us);
  std::printf("string_view::find:            %9.1f us\n", find_us);
  std::printf("Boyer-Moore-Horspool search:   %9.1f us  (not a goal reference)\n", horspool_us);
  std::printf("text_between, case matters:   %9.1f us  ratio %.2f (goal <= 2)\n", case_us,
              case_us / reference_us);
  std::printf("text_between, case ignored:   %9.1f us  ratio %.2f (goal <= 4)\n", nocase_us,
              nocase_us / reference_us);

  const std::string utf8 = make_utf8_page();
  double convert_us = best_us(5, [&] { return web::utf8_to_gbk(utf8).size(); }, sink);
  std::printf("utf8_to_gbk: %zu bytes in %.1f us = %.1f MB/s\n", utf8.size(), convert_us,
              double(utf8.size()) / convert_us);
  // Most of that is WC_COMPOSITECHECK, which the conversion calls for.
  std::printf("(checksum %zu)\n", sink);
  return 0;
}
