// The host's way into the conversion: split off trailing line breaks, trim, convert under the
// conversion lock, and put the line breaks back.
#include <string>

#include "chinese/conversion_settings.h"
#include "module/module_instance.h"
#include "quorvel/multilanguage.h"

namespace {

bool EndsWith(const std::string& text, const std::string& unit) {
    return text.size() >= unit.size() && text.compare(text.size() - unit.size(), unit.size(), unit) == 0;
}

}  // namespace

CString GBAndBig5Convert(const char* text, char direction) {
    std::string body = text ? text : "";
    // Texts of one or two bytes keep their line breaks, for the trim to take.
    std::string tail;
    if (body.size() > 2) {
        const std::string unit = EndsWith(body, "\r\n") ? "\r\n" : "\n";
        while (!body.empty() && EndsWith(body, unit)) {
            body.resize(body.size() - unit.size());
            tail += unit;
        }
    }
    CString trimmed(body);
    trimmed.Trim();
    if (!qml::ConversionIsOn()) return trimmed;

    CString converted;
    {
        qml::os::CriticalSectionLock hold(qml::ConversionLock());
        CGBAndBig5* converter = CGBAndBig5::GetInstance();
        if (converter == nullptr) return trimmed;
        converter->Translate(trimmed, direction);
        converted = converter->GetText();
    }
    return converted + tail.c_str();
}

CString Big2Gb(CString text) {
    return GBAndBig5Convert(text, 1);
}

CString Gb2Big(CString text) {
    return GBAndBig5Convert(text, 2);
}
