// Blanks and pieces of code-page-936 texts: trimming, blank removal,
// splitting, and the value of a header line. Standard library only.
#pragma once
#include <string>
#include <vector>

namespace web {

// A blank is the ASCII space or the full-width space (bytes A1 A1); both
// routines walk whole characters, so A1 A1 inside two characters is no blank.
std::string trim_blanks(const std::string& text);   // blanks off both ends
std::string remove_blanks(const std::string& text); // every blank removed

// The pieces between occurrences of `separator` (double-byte aware, letter case
// exact), in order: an empty piece between adjacent separators counts, a final
// empty piece is dropped, an empty text yields no pieces.
std::vector<std::string> split_text(const std::string& text, const std::string& separator);

// The text after the first ":" of a header line, trimmed; empty without ":".
std::string header_value(const std::string& line);

// Letters A to Z of every byte as a to z; nothing else changes.
std::string to_lower(const std::string& text);

}  // namespace web
