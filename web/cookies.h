// Cookie merging: folds the cookies of a response into a cookie
// text of name=value pairs joined by ";". Standard library only.
#pragma once
#include <string>

namespace web {

// Removes every blank from both arguments, then sets `old_cookies` to the new
// cookies in their order followed by the old ones whose names the new do not
// set, without "=deleted" items and exact duplicates, joined by "; ".
// Returns a copy of that result. Names are compared with letter case.
std::string merge_cookies(std::string& old_cookies, std::string& new_cookies);

}  // namespace web
