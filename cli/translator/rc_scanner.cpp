#include "translator/rc_scanner.h"

#include <cctype>

#include "translator/language_document.h"

namespace cli {

namespace {

struct RcToken {
    bool isString;
    std::string text;
    int line;
};

std::vector<RcToken> Tokenize(const std::string& script) {
    std::vector<RcToken> tokens;
    int line = 1;
    bool lineStart = true;
    size_t at = 0;
    auto word = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; };
    while (at < script.size()) {
        const char c = script[at];
        if (c == '\n') {
            ++line;
            lineStart = true;
            ++at;
        } else if (std::isspace(static_cast<unsigned char>(c))) {
            ++at;
        } else if (script.compare(at, 2, "//") == 0 || (c == '#' && lineStart)) {
            while (at < script.size() && script[at] != '\n') ++at;
        } else if (script.compare(at, 2, "/*") == 0) {
            const size_t close = script.find("*/", at + 2);
            const size_t end = close == std::string::npos ? script.size() : close + 2;
            for (size_t i = at; i < end; ++i) line += script[i] == '\n';
            at = end;
        } else if (c == '"') {
            // "" is a quote; backslash escapes as the resource compiler knows them.
            RcToken token{true, "", line};
            ++at;
            while (at < script.size()) {
                char d = script[at++];
                if (d == '"') {
                    if (at < script.size() && script[at] == '"') {
                        token.text += '"';
                        ++at;
                        continue;
                    }
                    break;
                }
                if (d == '\n') ++line;
                if (d == '\\' && at < script.size()) {
                    d = script[at++];
                    if (d == 'n')
                        d = '\n';
                    else if (d == 't')
                        d = '\t';
                    else if (d == 'r')
                        d = '\r';
                    else if (d == 'a')
                        d = '\b';  // right-aligns the rest of a menu item
                }
                token.text += d;
            }
            tokens.push_back(token);
            lineStart = false;
        } else if (word(c)) {
            const size_t start = at;
            while (at < script.size() && word(script[at])) ++at;
            tokens.push_back({false, script.substr(start, at - start), line});
            lineStart = false;
        } else {
            tokens.push_back({false, std::string(1, c), line});
            lineStart = false;
            ++at;
        }
    }
    return tokens;
}

bool IsOneOf(const std::string& word, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (SameName(word, name)) return true;
    return false;
}

// The window classes whose texts are data, which the window translation leaves alone.
bool IsDataClass(const std::string& name) {
    return IsOneOf(name, {"Edit", "ComboBox", "ListBox", "SysDateTimePick32", "SysListView32",
                          "msctls_progress32", "msctls_updown32", "SysIPAddress32", "SysTreeView32",
                          "WC_EDIT", "WC_COMBOBOX", "WC_LISTBOX", "DATETIMEPICK_CLASS", "WC_LISTVIEW",
                          "PROGRESS_CLASS", "UPDOWN_CLASS", "WC_IPADDRESS", "WC_TREEVIEW"});
}

}  // namespace

std::vector<ResourceText> FindResourceTexts(const std::string& script) {
    const std::vector<RcToken> tokens = Tokenize(script);
    std::vector<ResourceText> texts;
    auto add = [&texts](const RcToken& token) {
        // A control that shows only "..." is left as it is.
        if (!token.text.empty() && token.text != "...") texts.push_back({token.text, token.line});
    };
    for (size_t i = 0; i < tokens.size(); ++i) {
        const RcToken& token = tokens[i];
        if (token.isString) continue;
        const bool hasString = i + 1 < tokens.size() && tokens[i + 1].isString;
        if (hasString &&
            IsOneOf(token.text, {"CAPTION", "LTEXT", "RTEXT", "CTEXT", "PUSHBUTTON", "DEFPUSHBUTTON",
                                 "GROUPBOX", "CHECKBOX", "AUTOCHECKBOX", "AUTO3STATE", "STATE3",
                                 "RADIOBUTTON", "AUTORADIOBUTTON", "PUSHBOX", "MENUITEM", "POPUP"})) {
            add(tokens[++i]);
        } else if (hasString && SameName(token.text, "CONTROL")) {
            // CONTROL text, id, class, ...: the class is the third argument.
            size_t at = i + 2, commas = 0;
            while (at < tokens.size() && commas < 2)
                commas += !tokens[at++].isString && tokens[at - 1].text == ",";
            if (at >= tokens.size() || !IsDataClass(tokens[at].text)) add(tokens[i + 1]);
            ++i;
        } else if (SameName(token.text, "STRINGTABLE")) {
            size_t at = i + 1;
            while (at < tokens.size() &&
                   (tokens[at].isString || !(tokens[at].text == "{" || SameName(tokens[at].text, "BEGIN"))))
                ++at;
            for (++at; at < tokens.size(); ++at) {
                if (!tokens[at].isString && (tokens[at].text == "}" || SameName(tokens[at].text, "END")))
                    break;
                if (tokens[at].isString) add(tokens[at]);
            }
            i = at;
        }
    }
    return texts;
}

}  // namespace cli
