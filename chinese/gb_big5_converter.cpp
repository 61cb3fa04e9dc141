// The converter object: its text, the split into lines and the code tables it uses in place.
#include <string>

#include "chinese/code_tables.h"
#include "chinese/conversion_settings.h"
#include "module/module_instance.h"
#include "platform/resource.h"
#include "quorvel/multilanguage.h"

namespace {

const char kTabAsSpaces[] = "        ";

// Finds and loads one table resource of the module; null when it is missing, or shorter than
// its layout (every cell the converter may read must lie inside it).
HGLOBAL LoadTable(HMODULE module, unsigned short id, std::size_t size) {
    HRSRC found = qml::os::FindResourceA(module, qml::os::IntResource(id), qml::os::RcDataType());
    if (found == nullptr || qml::os::SizeofResource(module, found) < size) return nullptr;
    return qml::os::LoadResource(module, found);
}

}  // namespace

CGBAndBig5::CGBAndBig5() : m_strText("\n") {
    if (qml::ConversionIsOn()) {
        m_arrLines.RemoveAll();
        m_lLineNumber = CalLineNumber();
    }
    m_bTablesLoaded = LoadResource();
}

CGBAndBig5::~CGBAndBig5() {
    m_arrLines.RemoveAll();
}

CString CGBAndBig5::GetText() {
    if (qml::ConversionIsOn()) {
        m_strText.TrimRight('\n');
        m_strText.TrimRight('\r');
    }
    return m_strText;
}

int CGBAndBig5::GetTextLength() {
    return m_strText.GetLength();
}

long CGBAndBig5::GetLineNumber() {
    return m_lLineNumber;
}

// Lines end at LF, which is dropped; a CR stays with its line; a tab becomes eight spaces.
// Text after the last LF is not a line unless the text has no LF at all.
long CGBAndBig5::CalLineNumber() {
    m_arrLines.RemoveAll();
    if (m_strText.IsEmpty()) return 0;
    const std::string& text = m_strText.str();
    std::string line;
    bool sawLineFeed = false;
    size_t start = 0;
    while (start < text.size()) {
        size_t stop = text.find_first_of("\t\n", start);
        if (stop == std::string::npos) stop = text.size();
        line.append(text, start, stop - start);
        if (stop == text.size()) break;
        if (text[stop] == '\t') {
            line.append(kTabAsSpaces);
        } else {
            m_arrLines.Add(CString(line));
            line.clear();
            sawLineFeed = true;
        }
        start = stop + 1;
    }
    if (!sawLineFeed) m_arrLines.Add(CString(line));
    return m_arrLines.GetSize();
}

int CGBAndBig5::LoadResource() {
    if (!qml::ConversionIsOn()) return 1;
    HMODULE module = qml::ModuleInstance();
    m_hGB2BigRes = LoadTable(module, qml::kGbToBig5ResourceId, qml::kGbToBig5TableSize);
    if (m_hGB2BigRes == nullptr) return 0;
    m_pGB2BigTable = static_cast<const unsigned char*>(qml::os::LockResource(m_hGB2BigRes));
    if (m_pGB2BigTable == nullptr) return 0;
    m_hBig2GBRes = LoadTable(module, qml::kBig5ToGbResourceId, qml::kBig5ToGbTableSize);
    if (m_hBig2GBRes == nullptr) return 0;
    m_pBig2GBTable = static_cast<const unsigned char*>(qml::os::LockResource(m_hBig2GBRes));
    if (m_pBig2GBTable == nullptr) return 0;
    return 1;
}

// The tables belong to the module and stay loaded for the life of the object.
void CGBAndBig5::FreeResource() {}
