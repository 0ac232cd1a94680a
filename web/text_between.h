// Marker search over code-page-936 byte strings: the double-byte-aware
// search every text search of the web subsystem uses, and text_between.
// Standard library only.
#pragma once
#include <string>

namespace web {

// 1-based position of the first occurrence of `pattern` in `text` that begins at
// or after the 1-based position `start` (1 or less: the beginning), -1 when none.
// A byte of 0x80 or above starts a two-byte character (characters are counted
// from the beginning of the text) and no match begins on the second byte of one.
// Without `case_matters` the bytes A to Z of both sides compare as a to z,
// second bytes of double-byte characters included. An empty pattern is never
// found (-1).
int find_text(const std::string& text, const std::string& pattern, int start = 1,
              bool case_matters = true);

// The bytes between the first occurrence of `start_marker` at or after
// `start_position` (1 or less: the beginning) and the first occurrence of
// `end_marker` after it; empty when either is not found. "#引号" in a marker
// stands for one double quote. Letter case is ignored unless `case_matters`.
std::string text_between(const std::string& text, const std::string& start_marker,
                         const std::string& end_marker, int start_position = 0,
                         bool case_matters = false);

}  // namespace web
