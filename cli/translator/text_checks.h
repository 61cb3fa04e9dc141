// What check looks for in one text of a language file.
#pragma once

#include <string>
#include <vector>

namespace cli {

// The printf conversions of a text, each as its length modifier and letter ("s", "lu", "d");
// "%%" is none.
std::vector<std::string> ConversionsOf(const std::string& text);

// The accelerator marks of a caption: '&' before a character other than '&' or a blank;
// "&&" is a literal ampersand.
int AcceleratorCount(const std::string& text);

// What is wrong with the markup the phrase translator reads ("{" left open, "}" without "{",
// "$" without a partner), or "" when nothing is. Bytes of double-byte characters are no markup.
std::string MarkupProblem(const std::string& text);

}  // namespace cli
