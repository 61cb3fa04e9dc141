// The converter's one operation for its users: take a text, pick the direction, convert the
// lines and put them together again. Also the process-wide instance.
#include <cstring>
#include <new>
#include <string>

#include "chinese/code_type_detection.h"
#include "chinese/conversion_settings.h"
#include "quorvel/multilanguage.h"

namespace {

CGBAndBig5* g_instance = nullptr;

// The detector's verdict on a Chinese system: LCMapString_Auto, MapSmallFormPunctuation and
// CalcStringCodeType on a copy of the text. Both normalisations act on a GB system only; on a
// Big5 system the copy would be the text itself.
int DetectCodeTypeOf(const char* text, size_t length, int system, std::string& detection) {
    if (system != LANGUAGE_TYPE_GB) return qml::DetectCodeType(text, length, system);
    if (!qml::MapToSimplified(text, length, detection)) detection.assign(text, length);
    return qml::DetectCodeType(detection.data(), detection.size(), system);
}

}  // namespace

int CGBAndBig5::Translate(const char* text, char direction) {
    return Translate(text, text ? std::strlen(text) : 0, direction, qml::ConversionIsOn());
}

// The switch is read once by the caller: a host that flips it meanwhile cannot stop the
// conversion half-way and leave the lines of an earlier text to be reassembled.
int CGBAndBig5::Translate(const char* text, size_t length, char direction, bool conversionOn) {
    m_strText.clear();
    m_bConversionOn = conversionOn;
    if (text == nullptr || length == 0) return 1;
    int system = 0;
    if (!qml::GetSystemCodeType(system) || !conversionOn) {
        m_strText.assign(text, length);
        return 1;
    }
    // An object made while the switch was off has not looked for its tables yet. Callers hold
    // the conversion lock, so they are looked for once.
    if (!m_bTablesSought) m_bTablesLoaded = LoadResource();

    m_strText.assign(text, length);
    if (m_strText.back() != '\n') m_strText += "\r\n";
    // The conversions split the text into lines, convert them and put them together again,
    // every line ending with CR LF, in one walk.
    if (direction == 1) {
        BigtoGB();
    } else if (direction == 2) {
        GBtoBig();
    } else {
        // Nothing is converted on a system that is neither Big5 nor GB, whatever the text is.
        if (system != LANGUAGE_TYPE_BIG5 && system != LANGUAGE_TYPE_GB) return 1;
        const int codeType = DetectCodeTypeOf(text, length, system, m_strDetection);
        if (codeType == system || (codeType != LANGUAGE_TYPE_BIG5 && codeType != LANGUAGE_TYPE_GB)) return 1;
        if (codeType == LANGUAGE_TYPE_BIG5) {
            BigtoGB();
        } else {
            GBtoBig();
        }
    }
    FreeResource();
    return 1;
}

CGBAndBig5* CGBAndBig5::GetInstance() {
    if (g_instance == nullptr) {
        try {
            g_instance = new CGBAndBig5();
        } catch (const std::bad_alloc&) {
            g_instance = nullptr;
        }
    }
    return g_instance;
}

void CGBAndBig5::DeleteInstance() {
    delete g_instance;
    g_instance = nullptr;
}
