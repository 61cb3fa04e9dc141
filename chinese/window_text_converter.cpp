// Window texts through the conversion: a window shows the converted text, and reading it back
// gives the host the text it set, for as long as the window still shows what was set.
#include "chinese/chinese_conversion.h"
#include "platform/os.h"
#include "quorvel/multilanguage.h"
#include "util/shared_utility.h"

namespace {

constexpr size_t kGrowBy = 120;

}  // namespace

CGBAndBig5WndText::CGBAndBig5WndText() {
    m_arrWndText.reserve(kGrowBy);
}

CGBAndBig5WndText::~CGBAndBig5WndText() {
    m_arrWndText.clear();
}

int CGBAndBig5WndText::Find(HWND window) {
    for (size_t i = 0; i < m_arrWndText.size(); ++i) {
        if (m_arrWndText[i].hWnd == window) return static_cast<int>(i);
    }
    return -1;
}

void CGBAndBig5WndText::SetWindowTextA(HWND window, const char* text) {
    if (!qml::os::IsWindow(window)) return;
    const CString unconverted(text);  // null is empty
    const CString converted(qml::ConvertChineseText(unconverted, 0));
    if (CWnd* object = CWnd::FromHandle(window)) object->SetWindowText(converted);

    int i = Find(window);
    if (i == -1) {
        if (m_arrWndText.size() == m_arrWndText.capacity())
            m_arrWndText.reserve(m_arrWndText.size() + kGrowBy);
        m_arrWndText.push_back(Entry{window, CString(), CString()});
        i = static_cast<int>(m_arrWndText.size()) - 1;
    }
    Entry& entry = m_arrWndText[static_cast<size_t>(i)];
    entry.strUnconverted = unconverted;
    entry.strConverted = converted;
}

void CGBAndBig5WndText::GetWindowTextA(HWND window, CString& text) {
    if (!qml::os::IsWindow(window)) return;
    CString current;
    if (CWnd* object = CWnd::FromHandle(window)) object->GetWindowText(current);

    const int i = Find(window);
    if (i == -1) {
        text = current;
    } else {
        Entry& entry = m_arrWndText[static_cast<size_t>(i)];
        if (qml::os::_mbscmp(current, entry.strConverted) == 0) {
            text = entry.strUnconverted;
        } else {
            // Changed by other means since: the window's own text is both forms from now on.
            text = current;
            entry.strUnconverted = current;
            entry.strConverted = current;
        }
    }
    text.Trim("\r\n\t ");
}

int CGBAndBig5WndText::GetWindowTextA(HWND window, char* buffer, int size) {
    if (!qml::os::IsWindow(window) || buffer == nullptr || size <= 0) return -1;
    CString text;
    GetWindowTextA(window, text);
    return qml::kvSnprintf(buffer, size, "%s", text.GetString());
}
