// The captions of a Windows resource script: dialog titles, control texts, menu items and the
// strings of string tables, which a host puts through the caption translator.
#pragma once

#include <string>
#include <vector>

namespace cli {

struct ResourceText {
    std::string text;
    int line = 0;
};

// The texts of an 8-bit resource script (a UTF-16 script is refused by the caller).
std::vector<ResourceText> FindResourceTexts(const std::string& script);

}  // namespace cli
