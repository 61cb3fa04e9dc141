// Re-encoding between the languages' code pages and UTF-8, for display and for input.
#pragma once

#include <string>

namespace cli {

// The name of a Windows code page (950 BIG5, 936 GBK, 1252 CP1252, ...): an iconv name on
// POSIX, and on Windows mapped back to the code page number.
std::string CodePageName(int codePage);

// text from one encoding to another (names as CodePageName gives, or "UTF-8"); bytes that
// cannot be converted become '?'.
std::string Recode(const std::string& text, const std::string& from, const std::string& to);

}  // namespace cli
