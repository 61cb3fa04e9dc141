#include "translator/text_checks.h"

#include <cstring>

#include "base/code_page_pairs.h"

namespace cli {

std::vector<std::string> ConversionsOf(const std::string& text) {
    std::vector<std::string> conversions;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (i + 1 < text.size() && text[i + 1] == '%') {
            ++i;
            continue;
        }
        size_t at = i + 1;
        while (at < text.size() && std::strchr("-+ #0'123456789.*", text[at]) && text[at]) ++at;
        const size_t start = at;
        while (at < text.size() && std::strchr("hlLqjztIw6432", text[at]) && text[at]) ++at;
        if (at < text.size() && std::strchr("diouxXeEfFgGaAcCsSpn", text[at]) && text[at]) {
            conversions.push_back(text.substr(start, at - start + 1));
            i = at;
        }
    }
    return conversions;
}

int AcceleratorCount(const std::string& text) {
    int count = 0;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (qml::StartsDoubleByte(static_cast<unsigned char>(text[i]))) {
            ++i;
        } else if (text[i] == '&') {
            if (text[i + 1] != '&' && text[i + 1] != ' ' && text[i + 1] != '\t') ++count;
            ++i;
        }
    }
    return count;
}

std::string MarkupProblem(const std::string& text) {
    bool group = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool doubled = i + 1 < text.size() && text[i + 1] == c;
        if (qml::StartsDoubleByte(static_cast<unsigned char>(c)) && !group) {
            ++i;
        } else if (c == '{' && !group) {
            if (doubled)
                ++i;
            else
                group = true;
        } else if (c == '}') {
            if (group)
                group = false;
            else if (doubled)
                ++i;
            else
                return "'}' without '{'";
        } else if (c == '$' && !group) {
            const size_t partner = text.find('$', i + 1);
            if (partner == std::string::npos) return "'$' without a partner";
            i = partner;
        }
    }
    return group ? "'{' left open" : "";
}

}  // namespace cli
