// CGBAndBig5WndText on arbitrary texts with every conversion setting: the window shows the
// converted text, reading back gives the text that was set (trimmed of CR, LF, tab and space),
// a text changed by other means reads as itself from then on, and the buffer form cuts within
// every size from -1 up, or answers -1.
//
// Input: 4 parameter bytes (system, switch, size, flags), then the fields first text and
// second text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "quorvel/multilanguage.h"
#include "quorvel/window_system.h"
#include "support/check.h"
#include "support/conversion_settings.h"
#include "support/fuzz_input.h"
#include "support/guarded_buffer.h"

namespace {

using namespace qml_fuzz;

std::string Trimmed(const std::string& text) {
    const char* set = "\r\n\t ";
    const size_t first = text.find_first_not_of(set);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(set) - first + 1);
}

std::string Shown(HWND window) {
    std::string text(static_cast<size_t>(quorvel::GetWindowTextLengthA(window)) + 1, '\0');
    int n = quorvel::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

std::string ReadBack(CGBAndBig5WndText& texts, HWND window) {
    CString text("unchanged");
    texts.GetWindowTextA(window, text);
    return text.GetString();
}

void CheckBufferForm(CGBAndBig5WndText& texts, HWND window, int size, const std::string& expected) {
    GuardedBuffer buffer(size);
    const int result = texts.GetWindowTextA(window, buffer.data(), size);
    if (size <= 0) {
        Check(result == -1, "GetWindowTextA answers -1 for a size below 1");
        buffer.CheckUntouched("CGBAndBig5WndText::GetWindowTextA");
        return;
    }
    const std::string cut = expected.substr(0, static_cast<size_t>(size - 1));
    CheckEqual(buffer.Text("CGBAndBig5WndText::GetWindowTextA"), cut, "buffer form: wrong text");
    Check(result == static_cast<int>(cut.size()), "buffer form: wrong count");
}

// The windows are made once: a fuzz run makes millions of inputs.
struct Windows {
    HWND set = quorvel::CreateWindow("Static", "", nullptr);
    HWND other = quorvel::CreateWindow("Button", "", nullptr);
    HWND destroyed = quorvel::CreateWindow("Static", "gone", nullptr);
    Windows() { quorvel::DestroyWindow(destroyed); }
};

const Windows& TheWindows() {
    static const Windows windows;
    return windows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size, 4);
    FuzzConversionSettings settings(input.Parameter(0), input.Parameter(1));
    const int bufferSize = static_cast<int>(input.Parameter(2)) - 1;
    const std::uint8_t flags = input.Parameter(3);
    const std::string first = input.Field();
    const std::string second = input.Field();

    const Windows& windows = TheWindows();
    HWND window = windows.set;
    quorvel::SetWindowTextA(window, "");
    {
        CGBAndBig5WndText texts;
        texts.SetWindowTextA(window, first.c_str());
        CheckEqual(Shown(window), std::string(GBAndBig5Convert(first.c_str(), 0).GetString()),
                   "the window shows the converted text");
        CheckEqual(ReadBack(texts, window), Trimmed(first), "reading back gives the text that was set");
        CheckBufferForm(texts, window, bufferSize, Trimmed(first));

        // The text changed by other means: it reads as itself from now on.
        if (flags & 1) {
            const std::string converted = Shown(window);
            quorvel::SetWindowTextA(window, second.c_str());
            const std::string expected = second == converted ? Trimmed(first) : Trimmed(second);
            CheckEqual(ReadBack(texts, window), expected, "reading back after a change by other means");
            CheckEqual(ReadBack(texts, window), expected, "reading back twice");
        } else {
            texts.SetWindowTextA(window, second.c_str());
            CheckEqual(ReadBack(texts, window), Trimmed(second), "setting twice keeps the second text");
        }

        quorvel::SetWindowTextA(windows.other, second.c_str());
        CheckEqual(ReadBack(texts, windows.other), Trimmed(second),
                   "a window never set reads as its own text");
        Check(ReadBack(texts, windows.destroyed) == "unchanged",
              "a destroyed window leaves the string alone");
        texts.SetWindowTextA(windows.destroyed, first.c_str());
        GuardedBuffer noWindow(8);
        Check(texts.GetWindowTextA(windows.destroyed, noWindow.data(), 8) == -1, "no window: -1");
        noWindow.CheckUntouched("CGBAndBig5WndText::GetWindowTextA");
    }
    return 0;
}
