// The converter's one operation for its users: take a text, pick the direction, convert the
// lines and put them together again. Also the process-wide instance.
#include <new>
#include <string>

#include "chinese/code_type_detection.h"
#include "chinese/conversion_settings.h"
#include "quorvel/multilanguage.h"

namespace {

CGBAndBig5* g_instance = nullptr;

}  // namespace

int CGBAndBig5::Translate(const char* text, char direction) {
    m_strText.Empty();
    if (text == nullptr || *text == '\0') return 1;
    int system = 0;
    if (!qml::GetSystemCodeType(system) || !qml::ConversionIsOn()) {
        m_strText = text;
        return 1;
    }

    m_strText = text;
    if (m_strText[m_strText.GetLength() - 1] != '\n') m_strText += "\r\n";
    if (direction == 1) {
        BigtoGB();
    } else if (direction == 2) {
        GBtoBig();
    } else {
        // The detector reads a normalised copy; the text converted is the caller's own.
        std::string detection = LCMapString_Auto(text).str();
        qml::MapSmallFormPunctuation(&detection[0]);
        const int codeType = CalcStringCodeType(detection.c_str(), nullptr);
        const bool systemIsChinese = system == LANGUAGE_TYPE_BIG5 || system == LANGUAGE_TYPE_GB;
        const bool textIsChinese = codeType == LANGUAGE_TYPE_BIG5 || codeType == LANGUAGE_TYPE_GB;
        if (codeType == system || !textIsChinese || !systemIsChinese) return 1;
        m_lLineNumber = CalLineNumber();
        if (codeType == LANGUAGE_TYPE_BIG5) {
            BigtoGB();
        } else {
            GBtoBig();
        }
    }

    // Every line comes back with CR LF.
    std::string joined;
    size_t total = 0;
    for (long i = 0; i < m_lLineNumber; ++i) total += m_arrLines[static_cast<int>(i)].GetLength() + 2;
    joined.reserve(total);
    for (long i = 0; i < m_lLineNumber; ++i) {
        joined += m_arrLines[static_cast<int>(i)].str();
        joined += "\r\n";
    }
    m_strText = CString(joined);
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
