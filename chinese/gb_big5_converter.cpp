// The converter object: its text, the split into lines and the code tables it uses in place.
#include <cstring>
#include <new>
#include <string>

#include "chinese/gb_big5_converter.h"

#include "chinese/code_tables.h"
#include "chinese/conversion_settings.h"
#include "chinese/conversion_state.h"
#include "chinese/converted_lines.h"
#include "platform/os.h"

namespace {

// Finds and loads one table resource of the module; null when it is missing, or shorter than
// its layout (every cell the converter may read must lie inside it).
HGLOBAL LoadTable(HMODULE module, unsigned short id, std::size_t size) {
    // No module handle, no tables: on Windows a null handle would search the host program.
    if (module == nullptr) return nullptr;
    HRSRC found = qml::os::FindResourceA(module, qml::os::IntResource(id), qml::os::RcDataType());
    if (found == nullptr || qml::os::SizeofResource(module, found) < size) return nullptr;
    return qml::os::LoadResource(module, found);
}

}  // namespace

CGBAndBig5::CGBAndBig5() : m_impl(std::make_unique<Impl>()) {}

CGBAndBig5::~CGBAndBig5() = default;

CGBAndBig5::Impl::Impl() : m_strText("\n") {
    const bool on = qml::ConversionIsOn();
    if (on) {
        m_arrLines.RemoveAll();
        m_lLineNumber = CalLineNumber();
    }
    // While the switch is off nothing is loaded; the first conversion with it on loads.
    m_bTablesLoaded = on ? LoadResource() : 1;
}

CString CGBAndBig5::GetText() {
    if (qml::ConversionIsOn()) m_impl->TrimTrailingLineBreaks();
    return CString(m_impl->m_strText);
}

void CGBAndBig5::Impl::TrimTrailingLineBreaks() {
    size_t length = m_strText.size();
    while (length > 0 && m_strText[length - 1] == '\n') --length;
    while (length > 0 && m_strText[length - 1] == '\r') --length;
    m_strText.resize(length);
}

int CGBAndBig5::GetTextLength() {
    return static_cast<int>(m_impl->m_strText.size());
}

long CGBAndBig5::GetLineNumber() {
    return m_impl->m_lLineNumber;
}

// Lines end at LF, which is dropped; a CR stays with its line; a tab becomes eight spaces.
// Text after the last LF is not a line unless the text has no LF at all.
long CGBAndBig5::Impl::CalLineNumber() {
    m_arrLines.RemoveAll();
    if (m_strText.empty()) return 0;
    const char* at = m_strText.data();
    const char* const end = at + m_strText.size();
    bool sawLineFeed = false;
    while (at < end) {
        const char* lineFeed = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at)));
        if (lineFeed == nullptr && sawLineFeed) break;  // text after the last line feed is no line
        const char* lineEnd = lineFeed ? lineFeed : end;
        while (const char* tab =
                   static_cast<const char*>(std::memchr(at, '\t', static_cast<size_t>(lineEnd - at)))) {
            m_arrLines.Append(at, static_cast<size_t>(tab - at));
            m_arrLines.AppendSpaces(8);
            at = tab + 1;
        }
        m_arrLines.Add(at, static_cast<size_t>(lineEnd - at));
        if (lineFeed == nullptr) break;
        sawLineFeed = true;
        at = lineFeed + 1;
    }
    return m_arrLines.GetSize();
}

// Looks for the tables, once for the life of the object; the caller has seen the switch on.
// 0 at the first table that is missing.
int CGBAndBig5::Impl::LoadResource() {
    m_bTablesSought = true;
    HMODULE module = qml::ModuleInstance();
    struct Table {
        unsigned short id;
        std::size_t size;
        HGLOBAL& handle;
        const unsigned char*& data;
    };
    const Table tables[] = {
        {qml::kGbToBig5ResourceId, qml::kGbToBig5TableSize, m_hGB2BigRes, m_pGB2BigTable},
        {qml::kBig5ToGbResourceId, qml::kBig5ToGbTableSize, m_hBig2GBRes, m_pBig2GBTable},
        {qml::kBig5ToCp936ResourceId, qml::kBig5ToCp936TableSize, m_hBig2Cp936Res, m_pBig2Cp936Table},
        {qml::kCp936ToBig5ResourceId, qml::kCp936ToBig5TableSize, m_hCp9362BigRes, m_pCp9362BigTable},
    };
    for (const Table& table : tables) {
        table.handle = LoadTable(module, table.id, table.size);
        if (table.handle == nullptr) return 0;
        table.data = static_cast<const unsigned char*>(qml::os::LockResource(table.handle));
        if (table.data == nullptr) return 0;
    }
    return 1;
}

void CGBAndBig5::Impl::ConvertSource(const unsigned char* cells) {
    try {
        m_lLineNumber = qml::ConvertLines(m_pSource, m_nSource, cells, m_strText);
    } catch (const std::bad_alloc&) {
        // Out of memory: the text as it came, if even that fits.
        try {
            m_strText.assign(m_pSource, m_nSource);
        } catch (const std::bad_alloc&) {
            m_strText.clear();
        }
    }
}

// The tables belong to the module and stay loaded for the life of the object.
void CGBAndBig5::Impl::FreeResource() {}

long CGBAndBig5::CalLineNumber() {
    return m_impl->CalLineNumber();
}

void CGBAndBig5::BigtoGB() {
    m_impl->BigtoGB();
}

void CGBAndBig5::GBtoBig() {
    m_impl->GBtoBig();
}

int CGBAndBig5::LoadResource() {
    return m_impl->LoadResource();
}

void CGBAndBig5::FreeResource() {
    m_impl->FreeResource();
}
