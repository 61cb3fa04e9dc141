#include "translate/template_filling.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

#include "translate/phrase_translator.h"

namespace qml {

namespace {

// One "%" sequence as printf reads it: flags, width, precision, length modifier, conversion.
struct Conversion {
    size_t length = 0;   // bytes from the "%" to the conversion letter; 0: not a conversion
    std::string layout;  // flags, width and precision (numbers capped at kMaxField)
    std::string lengthModifier;
    char letter = 0;
    bool wantsMoreArguments = false;  // a "*" width or precision takes an argument of its own
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A width or precision beyond this changes nothing of the first 1023 bytes of a filled
// conversion (a text holds at most 1023 bytes, a number a few dozen), while printf would still
// spend seconds producing a field of a billion bytes that a language file may ask for.
constexpr unsigned long kMaxField = 2047;

Conversion ReadConversion(const std::string& text, size_t percent) {
    Conversion c;
    size_t i = percent + 1;
    size_t layoutStart = i;
    while (i < text.size() && text[i] != '\0' && std::strchr("-+ #0", text[i])) ++i;
    c.layout = text.substr(layoutStart, i - layoutStart);
    auto readNumber = [&] {
        if (i < text.size() && text[i] == '*') {
            c.wantsMoreArguments = true;
            c.layout += '*';
            ++i;
            return;
        }
        size_t digits = i;
        unsigned long value = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            value = std::min(kMaxField, value * 10 + static_cast<unsigned long>(text[i] - '0'));
        if (i > digits) c.layout += std::to_string(value);
    };
    readNumber();
    if (i < text.size() && text[i] == '.') {
        c.layout += '.';
        ++i;
        readNumber();
    }

    static const char* const kModifiers[] = {"hh", "ll", "I64", "I32", "h", "l",
                                             "L",  "q",  "j",   "z",   "t", "I"};
    for (const char* modifier : kModifiers) {
        if (text.compare(i, std::strlen(modifier), modifier) == 0) {
            c.lengthModifier = modifier;
            i += c.lengthModifier.size();
            break;
        }
    }
    if (i >= text.size() || text[i] == '\0' || !std::strchr("diouxXeEfFgGaAcspnCS", text[i]))
        return Conversion{};
    c.letter = text[i];
    c.length = i + 1 - percent;
    return c;
}

// printf into a text, cut like every working text to 1023 bytes.
template <typename Argument>
std::string FormatOne(const std::string& format, Argument argument) {
    char piece[kTextBufferSize] = {};
    int length = std::snprintf(piece, sizeof piece, format.c_str(), argument);
    if (length < 0) return std::string();
    return std::string(piece);
}

// Walks the template, fills the first conversion that fill accepts (it returns false for the
// others) and copies everything else.
std::string FillFirst(const std::string& templateText,
                      const std::function<bool(const Conversion&, std::string&)>& fill) {
    std::string out;
    bool filled = false;
    for (size_t i = 0; i < templateText.size();) {
        if (templateText[i] != '%') {
            out += templateText[i++];
            continue;
        }
        if (i + 1 < templateText.size() && templateText[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        Conversion c = ReadConversion(templateText, i);
        if (c.length == 0) {  // a lone "%" is a percent sign
            out += '%';
            ++i;
            continue;
        }
        if (!filled && !c.wantsMoreArguments && fill(c, out))
            filled = true;
        else
            out.append(templateText, i, c.length);
        i += c.length;
    }
    return out;
}

bool IsSigned(char letter) {
    return letter == 'd' || letter == 'i';
}

// The value as printf would take it for the conversion's length modifier.
long long AsSigned(const std::string& modifier, unsigned long value) {
    if (modifier == "hh") return static_cast<signed char>(value);
    if (modifier == "h") return static_cast<short>(value);
    if (modifier.empty() || modifier == "I32") return static_cast<int>(value);
    if (modifier == "l") return static_cast<long>(value);
    return static_cast<long long>(value);
}
unsigned long long AsUnsigned(const std::string& modifier, unsigned long value) {
    if (modifier == "hh") return static_cast<unsigned char>(value);
    if (modifier == "h") return static_cast<unsigned short>(value);
    if (modifier.empty() || modifier == "I32") return static_cast<unsigned int>(value);
    return value;
}

}  // namespace

std::string CollapseDoubledPercents(const char* templateText) {
    std::string out;
    if (!templateText) return out;
    for (const char* p = templateText; *p; ++p) {
        out += *p;
        if (p[0] == '%' && p[1] == '%') ++p;
    }
    return out;
}

std::string FillStringConversion(const std::string& templateText, const char* text) {
    return FillFirst(templateText, [text](const Conversion& c, std::string& out) {
        // "%hs" is a narrow string as well; "%ls" and "%S" would want a wide one.
        if (c.letter != 's' || !(c.lengthModifier.empty() || c.lengthModifier == "h")) return false;
        out += FormatOne("%" + c.layout + "s", text ? text : "");
        return true;
    });
}

std::string FillIntegerConversion(const std::string& templateText, unsigned long value) {
    return FillFirst(templateText, [value](const Conversion& c, std::string& out) {
        if (!std::strchr("diouxX", c.letter) || c.lengthModifier == "L") return false;
        std::string format = "%" + c.layout + "ll" + c.letter;
        if (IsSigned(c.letter))
            out += FormatOne(format, AsSigned(c.lengthModifier, value));
        else
            out += FormatOne(format, AsUnsigned(c.lengthModifier, value));
        return true;
    });
}

}  // namespace qml
