// GBAndBig5Convert, Big2Gb and Gb2Big on arbitrary texts, in all three directions (and
// direction bytes beyond them), with every system code type and the switch missing, off or
// on. What must hold:
//   - the trailing line breaks are split off and given back, the rest is trimmed;
//   - unconverted, the result is that trimmed text (and its line breaks when the switch is on);
//   - converted, every line is converted in place: tabs become eight spaces, inner line feeds
//     CR LF, the length of each line stays, and every byte below 0x40 (controls, digits,
//     punctuation, blanks) stays where it is and appears nowhere else; converting from GB also
//     keeps every ASCII byte that is no trail byte of a code-page-936 character, and turns every
//     code-page-936 character into a Big5 character;
//   - the automatic direction converts exactly when the detector finds the code type foreign
//     to a Chinese system, and then as the explicit direction does;
//   - converting the same text again gives the same result.
//
// Input: 4 parameter bytes (direction, system, switch, spare), then the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "quorvel/multilanguage.h"
#include "support/check.h"
#include "support/conversion_settings.h"
#include "support/fuzz_input.h"
#include "support/reference_detection.h"

namespace {

using namespace qml_fuzz;

struct Split {
    std::string body;  // trimmed
    std::string tail;  // the trailing line breaks
};

Split SplitText(const std::string& text) {
    Split split;
    std::string s = text;
    if (s.size() > 2) {
        const std::string unit = s.compare(s.size() - 2, 2, "\r\n") == 0 ? "\r\n" : "\n";
        while (s.size() >= unit.size() && s.compare(s.size() - unit.size(), unit.size(), unit) == 0) {
            s.erase(s.size() - unit.size());
            split.tail += unit;
        }
    }
    const char* space = " \t\r\n\v\f";
    const size_t first = s.find_first_not_of(space);
    split.body =
        first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(space) - first + 1);
    return split;
}

// The shape of a converted text before its bytes are converted.
std::string Expanded(const std::string& body) {
    std::string out;
    for (char c : body) {
        if (c == '\t')
            out += "        ";
        else if (c == '\n')
            out += "\r\n";
        else
            out += c;
    }
    return out;
}

std::string Convert(const std::string& text, char direction) {
    return std::string(GBAndBig5Convert(text.c_str(), direction).GetString());
}

void CheckConverted(const std::string& result, const Split& split, int direction, const char* what) {
    const std::string shape = Expanded(split.body) + split.tail;
    if (result.size() != shape.size())
        Fail(what, "length " + std::to_string(result.size()) + " for \"" + Escape(shape) + "\", got \"" +
                       Escape(result) + "\"");
    for (size_t i = 0; i < shape.size(); ++i) {
        const auto in = static_cast<unsigned char>(shape[i]);
        const auto out = static_cast<unsigned char>(result[i]);
        if ((in < 0x40 || out < 0x40) && in != out)
            Fail(what, "byte " + std::to_string(i) + " of \"" + Escape(shape) + "\" became \"" +
                           Escape(result) + "\"");
    }
    if (direction != 2) return;
    // From GB, every ASCII byte that is no trail byte of a code-page-936 character stays. The
    // walk pairs bytes as the converter does: a code-page-936 pair (lead 0x81..0xFE), else two
    // bytes of 0xA1 or above (0xFF included, which leads no code-page-936 pair).
    for (size_t i = 0; i < shape.size(); ++i) {
        const auto in = static_cast<unsigned char>(shape[i]);
        if (in >= 0x81 && i + 1 < shape.size()) {
            const auto trail = static_cast<unsigned char>(shape[i + 1]);
            const bool cp936 = in <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
            if (cp936 || (in >= 0xA1 && trail >= 0xA1)) {
                // A code-page-936 character becomes a Big5 character (or the Big5 blank),
                // never bytes that Big5 does not read as one.
                const auto lead = static_cast<unsigned char>(result[i]);
                const auto next = static_cast<unsigned char>(result[i + 1]);
                const bool big5 = lead >= 0xA1 && lead <= 0xF9 &&
                                  ((next >= 0x40 && next <= 0x7E) || (next >= 0xA1 && next <= 0xFE));
                if (cp936 && !big5)
                    Fail(what, "the pair at " + std::to_string(i) + " of \"" + Escape(shape) +
                                   "\" became no Big5 character: \"" + Escape(result) + "\"");
                ++i;
                continue;
            }
        }
        if (in < 0x80 && in != static_cast<unsigned char>(result[i]))
            Fail(what, "ASCII byte " + std::to_string(i) + " of \"" + Escape(shape) + "\" changed");
    }
}

// Whether the automatic direction converts, and which way: 1 Big5 to GB, 2 GB to Big5, 0 not.
int AutomaticDirection(const std::string& body, int system) {
    if (system != 0 && system != 1) return 0;
    std::string detection = std::string(LCMapString_Auto(body.c_str()).GetString());
    if (system == 1) detection = ReferenceMapSmallForms(detection);
    const int type = ReferenceCodeType(detection, system, nullptr);
    if (type == system || (type != 0 && type != 1)) return 0;
    return type == 0 ? 1 : 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size, 4);
    const char direction = static_cast<char>(input.Parameter(0));
    FuzzConversionSettings settings(input.Parameter(1), input.Parameter(2));
    const std::string text = input.Field();
    const Split split = SplitText(text);

    const std::string result = Convert(text, direction);
    CheckEqual(Convert(text, direction), result, "converting twice gives the same result");

    if (!settings.On()) {
        CheckEqual(result, split.body, "switched off: the trimmed text without its line breaks");
        CheckEqual(Convert(text, 1), split.body, "switched off: Big5 to GB converts nothing");
        return 0;
    }
    const std::string unconverted = split.body + split.tail;
    if (!settings.HasSystem() || split.body.empty()) {
        CheckEqual(result, unconverted, "nothing to convert: the text and its line breaks");
        return 0;
    }

    const std::string toGb = Convert(text, 1);
    const std::string toBig5 = Convert(text, 2);
    CheckConverted(toGb, split, 1, "Big5 to GB");
    CheckConverted(toBig5, split, 2, "GB to Big5");
    CheckEqual(std::string(Big2Gb(CString(text.c_str())).GetString()), toGb, "Big2Gb is direction 1");
    CheckEqual(std::string(Gb2Big(CString(text.c_str())).GetString()), toBig5, "Gb2Big is direction 2");

    if (direction == 1 || direction == 2) return 0;
    switch (AutomaticDirection(split.body, settings.System())) {
        case 1:
            CheckEqual(result, toGb, "automatic direction: Big5 text on a GB system");
            break;
        case 2:
            CheckEqual(result, toBig5, "automatic direction: GB text on a Big5 system");
            break;
        default:
            CheckEqual(result, unconverted, "automatic direction: nothing to convert");
    }
    return 0;
}
