// gettext PO text: writing quoted strings and reading entries back.
#pragma once

#include <string>
#include <vector>

namespace cli {

// keyword "text" with C escapes, broken into continuation lines after each "\n".
std::string PoField(const std::string& keyword, const std::string& text);

struct PoEntry {
    std::vector<std::string> extractedComments;  // "#." lines, without "#." and one blank
    std::vector<std::string> flags;              // from "#," lines
    bool hasContext = false;
    std::string context, id, translation;
    int line = 0;  // of its msgid
};

// The entries of a PO file (obsolete "#~" entries skipped); RunError naming the line of a fault.
std::vector<PoEntry> ParsePo(const std::string& text, const std::string& name);

// The value of a header field ("Name: value\n" lines of the msgid "" entry), or "".
std::string PoHeaderField(const std::string& header, const std::string& field);

}  // namespace cli
