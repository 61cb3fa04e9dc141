// Window texts through the conversion: a window shows the converted text, and reading it back
// gives the host the text it set, for as long as the window still shows what was set.
#include <memory>
#include <vector>

#include "chinese/chinese_conversion.h"
#include "platform/os.h"
#include "platform/os.h"
#include "quorvel/multilanguage.h"
#include "util/shared_utility.h"

namespace {

constexpr size_t kGrowBy = 120;

}  // namespace

struct CGBAndBig5WndText::Impl {
    struct Entry {
        HWND hWnd;
        CString strUnconverted;
        CString strConverted;
    };

    Impl() { m_arrWndText.reserve(kGrowBy); }

    int Find(HWND window) const {
        for (size_t i = 0; i < m_arrWndText.size(); ++i) {
            if (m_arrWndText[i].hWnd == window) return static_cast<int>(i);
        }
        return -1;
    }

    std::vector<Entry> m_arrWndText;
};

CGBAndBig5WndText::CGBAndBig5WndText() : m_impl(std::make_unique<Impl>()) {}

CGBAndBig5WndText::~CGBAndBig5WndText() = default;

CGBAndBig5WndText::CGBAndBig5WndText(const CGBAndBig5WndText& other)
    : m_impl(std::make_unique<Impl>(*other.m_impl)) {}

CGBAndBig5WndText& CGBAndBig5WndText::operator=(const CGBAndBig5WndText& other) {
    if (this != &other) *m_impl = *other.m_impl;
    return *this;
}

void CGBAndBig5WndText::SetWindowTextA(HWND window, const char* text) {
    if (!qml::os::IsLiveWindow(window)) return;
    const CString unconverted(text);  // null is empty
    const CString converted(qml::ConvertChineseText(unconverted, 0));
    if (CWnd* object = CWnd::FromHandle(window)) object->SetWindowText(converted);

    std::vector<Impl::Entry>& texts = m_impl->m_arrWndText;
    int i = m_impl->Find(window);
    if (i == -1) {
        if (texts.size() == texts.capacity()) texts.reserve(texts.size() + kGrowBy);
        texts.push_back(Impl::Entry{window, CString(), CString()});
        i = static_cast<int>(texts.size()) - 1;
    }
    Impl::Entry& entry = texts[static_cast<size_t>(i)];
    entry.strUnconverted = unconverted;
    entry.strConverted = converted;
}

void CGBAndBig5WndText::GetWindowTextA(HWND window, CString& text) {
    if (!qml::os::IsLiveWindow(window)) return;
    CString current;
    if (CWnd* object = CWnd::FromHandle(window)) object->GetWindowText(current);

    const int i = m_impl->Find(window);
    if (i == -1) {
        text = current;
    } else {
        Impl::Entry& entry = m_impl->m_arrWndText[static_cast<size_t>(i)];
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
    if (!qml::os::IsLiveWindow(window) || buffer == nullptr || size <= 0) return -1;
    CString text;
    GetWindowTextA(window, text);
    return qml::kvSnprintf(buffer, size, "%s", text.GetString());
}
