// The converter's one operation for its users: take a text, pick the direction, convert the
// lines and put them together again. Also the process-wide instance.
#include <cstring>
#include <new>
#include <string>

#include "chinese/code_type_detection.h"
#include "chinese/conversion_settings.h"
#include "chinese/conversion_state.h"
#include "chinese/gb_big5_converter.h"

int CGBAndBig5::Translate(const char* text, char direction) {
    return m_impl->Translate(text, text ? std::strlen(text) : 0, direction, qml::ConversionIsOn());
}

// The switch is read once by the caller: a host that flips it meanwhile cannot stop the
// conversion half-way and leave the lines of an earlier text to be reassembled.
int CGBAndBig5::Impl::Translate(const char* text, size_t length, char direction, bool conversionOn) {
    m_bConversionOn = conversionOn;
    if (text == nullptr || length == 0) {
        m_strText.clear();
        return 1;
    }
    int system = 0;
    if (!qml::GetSystemCodeType(system) || !conversionOn) {
        m_strText.assign(text, length);
        return 1;
    }
    // An object made while the switch was off has not looked for its tables yet. Callers hold
    // the conversion lock, so they are looked for once.
    if (!m_bTablesSought) m_bTablesLoaded = LoadResource();

    // The conversions read the text in place and write its lines, converted and put together
    // again with CR LF after each, into m_strText, in one walk.
    bool big5 = direction == 1;
    if (direction != 1 && direction != 2) {
        const bool chineseSystem = system == LANGUAGE_TYPE_BIG5 || system == LANGUAGE_TYPE_GB;
        // Nothing is converted on a system that is neither Big5 nor GB, whatever the text is.
        const int codeType =
            chineseSystem ? qml::DetectCodeTypeOfText(text, length, system, m_strDetection) : system;
        if (codeType == system || (codeType != LANGUAGE_TYPE_BIG5 && codeType != LANGUAGE_TYPE_GB)) {
            m_strText.assign(text, length);
            if (m_strText.back() != '\n') m_strText += "\r\n";
            return 1;
        }
        big5 = codeType == LANGUAGE_TYPE_BIG5;
    }
    m_pSource = text;
    m_nSource = length;
    if (big5) {
        BigtoGB();
    } else {
        GBtoBig();
    }
    m_pSource = nullptr;
    m_nSource = 0;
    FreeResource();
    return 1;
}

CGBAndBig5* CGBAndBig5::GetInstance() {
    CGBAndBig5*& instance = qml::ProcessConversionState().converter;
    if (instance == nullptr) {
        try {
            instance = new CGBAndBig5();
        } catch (const std::bad_alloc&) {
            instance = nullptr;
        }
    }
    return instance;
}

void CGBAndBig5::DeleteInstance() {
    CGBAndBig5*& instance = qml::ProcessConversionState().converter;
    delete instance;
    instance = nullptr;
}
